#include "tests/fuzz/MenuInvariants.h"

#include "host/ProcessState.h"
#include "menu/Rows.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

namespace {

std::string Id(std::int32_t id) {
    return std::to_string(id);
}

bool Contains(const std::vector<std::int32_t>& ids, std::int32_t id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Rows: counted, numbered by position, lists on a value they hold, and no
// call marker left set once the frame is over.
std::string CheckSubmenu(std::int32_t key, const Menu::Submenu& submenu) {
    const std::string where = "submenu " + Id(key);
    if (submenu.id != key && !(submenu.id == -1 && submenu.options.empty())) {
        return where + " holds id " + Id(submenu.id);
    }
    if (submenu.optionCount < 0 || static_cast<std::size_t>(submenu.optionCount) != submenu.options.size()) {
        return where + " counts " + Id(submenu.optionCount) + " rows but has " +
               std::to_string(submenu.options.size());
    }
    for (std::size_t i = 0; i < submenu.options.size(); ++i) {
        const Menu::Option& option = submenu.options[i];
        const std::string row = where + " row " + std::to_string(i);
        if (option.index != static_cast<std::int32_t>(i)) {
            return row + " has index " + Id(option.index);
        }
        if (option.frame.invoking || option.frame.steppedLeft || option.frame.steppedRight) {
            return row + " keeps a call marker set";
        }
        if (!option.isList) {
            continue;
        }
        if (option.listValues.empty()) {
            return row + " is a list without values";
        }
        if (option.listIndex < 0 || static_cast<std::size_t>(option.listIndex) >= option.listValues.size()) {
            return row + " has listIndex " + Id(option.listIndex) + " of " +
                   std::to_string(option.listValues.size()) + " values";
        }
        if (option.valueText != option.listValues[static_cast<std::size_t>(option.listIndex)]) {
            return row + " shows \"" + option.valueText + "\" instead of its value at " +
                   Id(option.listIndex);
        }
    }
    return {};
}

// What the fuzzed plug-in told during the frame (WitnessRowAction, WitnessPageOpened).
std::string disabledRowRan;
bool pageOpened = false;

std::string CheckNavigation(const NavigationBefore& before, bool sameController) {
    const Menu::Controller& menu = *menuController;
    const auto shown =
        std::find_if(submenuRegistry.begin(), submenuRegistry.end(),
                     [&menu](const auto& entry) { return &entry.second == menu.currentSubmenu; });
    if (shown == submenuRegistry.end()) {
        return "the shown submenu is not in the registry";
    }
    const std::int32_t rows = menu.currentSubmenu->optionCount;
    if (rows > 0 && (menu.selectedIndex < 0 || menu.selectedIndex >= rows)) {
        return "selectedIndex " + Id(menu.selectedIndex) + " names no row of submenu " + Id(shown->first) +
               " with " + Id(rows) + " rows";
    }
    if ((rows <= 0 || menu.currentSubmenu->options.empty()) && menu.selectedIndex != 0) {
        return "selectedIndex " + Id(menu.selectedIndex) + " on submenu " + Id(shown->first) +
               ", which has no rows";
    }
    for (const std::int32_t id : menu.submenuStack) {
        if (submenuRegistry.find(id) == submenuRegistry.end()) {
            return "the stack holds unregistered id " + Id(id);
        }
    }
    // A saved row belongs to a submenu on the stack, apart from the one that
    // going back with an empty stack leaves for the main submenu.
    for (const auto& [id, row] : menu.savedSelection) {
        if (id != 0 && !Contains(menu.submenuStack, id)) {
            return "a row is saved for submenu " + Id(id) + ", which is not on the stack";
        }
    }
    // A plug-in's own OpenSubmenu may move through pages any way it likes.
    if (!sameController || !before.running || pageOpened) {
        return {};
    }
    // A frame descends at most once (Select) and goes back at most once (Back).
    const std::vector<std::int32_t>& after = menu.submenuStack;
    std::vector<std::int32_t> descended = before.stack;
    descended.push_back(before.currentId);
    std::vector<std::int32_t> ascended = before.stack;
    if (!ascended.empty()) {
        ascended.pop_back();
    }
    if (after == descended) {
        // The cursor may select another row of the page in the frame before a click descends from it.
        const auto saved = menu.savedSelection.find(before.currentId);
        const bool cursorRow = !before.asks.mouseOff && saved != menu.savedSelection.end() &&
                               Menu::RowAt(submenuRegistry.at(before.currentId), saved->second) != nullptr;
        if (saved == menu.savedSelection.end() || (saved->second != before.selectedIndex && !cursorRow)) {
            return "descending from submenu " + Id(before.currentId) + " did not save row " +
                   Id(before.selectedIndex);
        }
    } else if (after != before.stack && after != ascended) {
        return "the stack changed in a way no Select or Back makes";
    }
    return {};
}

// A heading holds the selection only where the keys' design puts it: row 0
// (a page shown, a wrap down), the last row (a wrap up), beside another
// heading (only one is stepped over), where it already stood, or when no
// row but headings is there.
std::string CheckHeading(const NavigationBefore& before) {
    const Menu::Controller& menu = *menuController;
    Menu::Submenu& page = *menu.currentSubmenu;
    const std::int32_t rows = Menu::RowCount(page);
    const std::int32_t at = menu.selectedIndex;
    const auto heading = [&page](std::int32_t row) {
        const Menu::Option* option = Menu::RowAt(page, row);
        return option != nullptr && option->isSeparator;
    };
    if (!heading(at) || at == 0 || at == rows - 1 || heading(at - 1) || heading(at + 1) ||
        (before.running && before.currentId == page.id && before.selectedIndex == at)) {
        return {};
    }
    for (std::int32_t row = 0; row < rows; ++row) {
        if (!heading(row)) {
            return "the selection is on heading row " + Id(at) + " of submenu " + Id(page.id);
        }
    }
    return {};
}

} // namespace

void WitnessRowAction() {
    const Menu::Option* row = Menu::SelectedRow();
    if (row != nullptr && row->isDisabled && disabledRowRan.empty()) {
        disabledRowRan = "the action of disabled row " + Id(row->index) + " ran";
    }
}

void WitnessPageOpened() {
    pageOpened = true;
}

NavigationBefore TakeNavigationBefore() {
    NavigationBefore before;
    disabledRowRan.clear(); // a frame's own doing is told after it
    pageOpened = false;
    if (menuController != nullptr) {
        before.asks.typing = menuController->frame.typing.open;
        before.asks.mouseOff = !menuController->mouseEnabled;
    }
    if (menuController == nullptr || menuController->currentSubmenu == nullptr) {
        return before;
    }
    const Menu::Submenu& shown = *menuController->currentSubmenu;
    before.running = true;
    before.currentId = shown.id;
    before.selectedIndex = menuController->selectedIndex;
    // Rows replaced between frames: navigation first brings the selection back onto one (row 0 when none).
    const auto rows = static_cast<std::int32_t>(shown.options.size());
    before.selectedIndex = rows > 0 ? std::clamp(before.selectedIndex, 0, rows - 1) : 0;
    before.stack = menuController->submenuStack;
    return before;
}

std::string CheckAfterFrame(const NavigationBefore& before, bool sameController, bool radarKnown,
                            sim::StandInHook& host) {
    const sim::ScriptFiber* fiber = host.Fiber();
    if (fiber != nullptr && (fiber->ExceptionEscaped() || fiber->Returned())) {
        return "the script routine ended";
    }
    if (!disabledRowRan.empty()) {
        return std::exchange(disabledRowRan, {});
    }
    // A restarted script's controller starts with the mouse off and no keyboard.
    FrameAsks asks = before.asks;
    asks.typing = asks.typing && sameController;
    if (std::string broken = CheckCalls(host.recorder.Last(), asks); !broken.empty()) {
        return broken;
    }
    for (const auto& [key, submenu] : submenuRegistry) {
        if (std::string broken = CheckSubmenu(key, submenu); !broken.empty()) {
            return broken;
        }
    }
    if (menuController == nullptr || menuController->currentSubmenu == nullptr) {
        return {};
    }
    if (std::string broken = CheckNavigation(before, sameController); !broken.empty()) {
        return broken;
    }
    if (std::string broken = CheckHeading(sameController ? before : NavigationBefore{}); !broken.empty()) {
        return broken;
    }
    if (radarKnown && host.game.radarShown == menuController->isOpen) {
        return menuController->isOpen ? "the radar shows over the open menu"
                                      : "the radar stays hidden after closing";
    }
    return {};
}
