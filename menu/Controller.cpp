#include "menu/FrameSteps.h"
#include "menu/Menu.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/Drawing.h"
#include "menu/Events.h"
#include "menu/Filter.h"
#include "menu/Hotkeys.h"
#include "menu/Prompts.h"
#include "menu/Rows.h"
#include "menu/Settings.h"
#include "menu/Style.h"
#include "menu/TextStore.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace Menu {

namespace {

// Runs the page's init on it. A list, number or toggle row shows its own
// value where a right-hand text would stand, so one given a right-hand text
// is refused rather than drawn without it.
void Fill(Submenu& page) {
    page.init(&page);
    bool keeps = false;
    for (const Option& row : page.options) {
        if (!row.rightText.empty() && (row.isList || row.isNumber || row.isToggle)) {
            throw std::invalid_argument("a list, number or toggle row shows its value where rightText "
                                        "stands: \"" +
                                        row.text + "\" takes none");
        }
        if (!row.savedAs.empty() || row.hotkey != 0) {
            CheckKeptRow(row);
            keeps = true;
        }
    }
    // A page that held a hotkey before gives it up.
    if (keeps || !settings.frame.hotkeys.empty()) {
        TakeKeptRows(page);
    }
    ApplyFilter(page);
}

// Runs the page's init again on a fresh page with the same header, which
// then takes the entry's place (where currentSubmenu may point). An init
// that throws leaves the entry as it was.
void Rebuild(Submenu& entry) {
    Submenu fresh;
    fresh.title = entry.title;
    fresh.subtitle = entry.subtitle;
    fresh.id = entry.id;
    fresh.isDynamic = entry.isDynamic;
    fresh.init = entry.init;
    fresh.filter.text = entry.filter.text; // what the player typed holds
    Fill(fresh);
    entry = std::move(fresh);
}

// After a rebuild the selection keeps its index within the new rows, on the
// first row below that is not a separator, else the last one above.
void KeepSelectionOnANewRow(Controller& menu) {
    Submenu& page = *menu.currentSubmenu;
    const std::int32_t rows = RowCount(page);
    if (rows == 0) {
        menu.selectedIndex = 0;
        return;
    }
    const std::int32_t kept = std::clamp(menu.selectedIndex, 0, rows - 1);
    const auto isHeading = [&page](std::int32_t row) { return RowAt(page, row)->isSeparator; };
    std::int32_t row = kept;
    while (row < rows && isHeading(row)) {
        ++row;
    }
    if (row == rows) {
        row = kept;
        while (row > 0 && isHeading(row)) {
            --row;
        }
    }
    menu.selectedIndex = row;
}

void Leave(Controller& menu) {
    RunEvent(menu.currentSubmenu->onLeave);
}

// The page now shown has come into view: rebuilt when dynamic, entered, and
// its selected row hovered.
void Arrive(Controller& menu) {
    if (menu.currentSubmenu->isDynamic) {
        Rebuild(*menu.currentSubmenu);
        KeepSelectionOnANewRow(menu);
    }
    RunEvent(menu.currentSubmenu->onEnter);
    HoverSelectedRow(menu);
}

} // namespace

void Controller::AddSubmenu(std::int32_t id, std::string_view title, std::string_view subtitle,
                            std::function<void(Submenu*)> init) {
    Submenu fresh;
    fresh.title = title;
    fresh.subtitle = subtitle;
    fresh.id = id;
    fresh.init = std::move(init);
    // An empty init or a refused row throws here, before the registry is touched.
    Fill(fresh);

    // Assigning into the existing entry keeps it in place, so a currentSubmenu
    // that points at it shows the new contents, the selection on one of its
    // rows even when no navigation follows (a frame task registered it).
    Submenu& entry = submenuRegistry[id];
    entry = std::move(fresh);
    if (currentSubmenu == &entry) {
        selectedIndex = NearestRow(entry, selectedIndex);
    }
}

void Controller::AddDynamicSubmenu(std::int32_t id, std::string_view title, std::string_view subtitle,
                                   std::function<void(Submenu*)> init) {
    AddSubmenu(id, title, subtitle, std::move(init));
    submenuRegistry[id].isDynamic = true;
}

void Controller::RefreshSubmenu(std::int32_t id) {
    const auto found = submenuRegistry.find(id);
    // An entry a lookup made has no init to run.
    if (found == submenuRegistry.end() || !found->second.init) {
        return;
    }
    Rebuild(found->second);
    if (currentSubmenu == &found->second) {
        KeepSelectionOnANewRow(*this);
    }
}

void Controller::OpenSubmenu(std::int32_t id) {
    if (submenuRegistry.find(id) == submenuRegistry.end()) {
        return;
    }
    if (currentSubmenu == nullptr) {
        currentSubmenu = &submenuRegistry[id];
        return;
    }
    Leave(*this);
    const std::int32_t currentId = currentSubmenu->id;
    if (id > currentId) {
        submenuStack.push_back(currentId);
        savedSelection[currentId] = selectedIndex;
    } else if (id < currentId) {
        if (!submenuStack.empty()) {
            submenuStack.pop_back();
        }
        savedSelection.erase(currentId);
    }
    currentSubmenu = &submenuRegistry[id];
    selectedIndex = 0;
    Arrive(*this);
}

void Controller::EnterSubmenu(std::int32_t id) {
    Leave(*this);
    const std::int32_t currentId = currentSubmenu->id;
    submenuStack.push_back(currentId);
    savedSelection[currentId] = selectedIndex;
    currentSubmenu = &submenuRegistry[id];
    selectedIndex = 0;
    Arrive(*this);
}

void Controller::GoBack() {
    Leave(*this);
    if (!submenuStack.empty()) {
        currentSubmenu = &submenuRegistry[submenuStack.back()];
        submenuStack.pop_back();
        const auto saved = savedSelection.find(currentSubmenu->id);
        selectedIndex = saved != savedSelection.end() ? saved->second : 0;
        if (saved != savedSelection.end()) {
            savedSelection.erase(saved);
        }
    } else {
        currentSubmenu = &submenuRegistry[0];
        selectedIndex = savedSelection[0];
    }
    // The page may have been registered anew meanwhile: a saved row that is
    // gone or a heading now moves as after a rebuild.
    if (!currentSubmenu->isDynamic) {
        KeepSelectionOnANewRow(*this);
    }
    Arrive(*this);
}

void Controller::AddFrameTask(std::function<void()> task) {
    frame.frameTasks.push_back(std::move(task));
}

void Controller::RunFrameTasks() {
    for (auto task = frame.frameTasks.begin(); task != frame.frameTasks.end();) {
        try {
            (*task)();
            ++task;
        } catch (...) {
            // The menu and the other tasks go on without it.
            task = frame.frameTasks.erase(task);
        }
    }
}

void Controller::FrameTick() {
    // The game has drawn the last frame: its texts can be reused.
    frameTexts.Reset();
    // While the game's keyboard is open it takes the player's keys.
    const bool typingThisFrame = frame.typing.open;
    if (typingThisFrame) {
        DropMenuKey();
        ReadKeyboard(*this);
    } else {
        ReadInput(*this);
    }
    if (settings.frame.anyHotkey) {
        RunHotkeys(!typingThisFrame);
    }
    if (settings.frame.unsaved) {
        WriteSettings(false);
    }
    if (currentSubmenu == nullptr) {
        // A start-up that registered no page 0 has nothing to show: no input
        // is acted on and the prompts stay as when closed.
        UpdatePrompts();
        return;
    }
    if (typingThisFrame) {
        // The rows may have been replaced meanwhile: no navigation, but the selection stays on one.
        selectedIndex = NearestRow(*currentSubmenu, selectedIndex);
    } else {
        Navigate(*this);
    }
    SuppressGameControls(*this);

    if (isOpen) {
        DrawMenu(*currentSubmenu);
        NativeInvoker::Invoke(native::RadarDisplaySwitch, 0);
    }

    UpdatePrompts();
}

} // namespace Menu
