// Moving over the rows, running them, entering and leaving submenus, as
// the frame's requests ask.
#include "menu/FrameSteps.h"
#include "menu/Menu.h"

#include "host/KeyStates.h"
#include "host/PluginKeys.h"
#include "menu/Events.h"
#include "menu/Hotkeys.h"
#include "menu/Layout.h"
#include "menu/Number.h"
#include "menu/Rows.h"
#include "menu/Settings.h"
#include "menu/Sound.h"
#include "menu/Style.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace Menu {

namespace {

constexpr std::uint32_t FastStepWindowMs = 30000;
constexpr std::int32_t FastStepRows = 10;

bool IsSeparatorRow(Submenu& submenu, std::int32_t row) {
    const Option* option = RowAt(submenu, row);
    return option != nullptr && option->isSeparator;
}

// Rows can shrink under the selection (a re-registration, a saved row restored
// into a smaller submenu); the selection then moves to the nearest row instead
// of naming one that is gone. With no rows it is row 0, as on a page that
// never had any: the counter reads "1 of 0" and the highlight takes the first slot.
void KeepSelectionOnARow(Controller& menu) {
    menu.selectedIndex = NearestRow(*menu.currentSubmenu, menu.selectedIndex);
}

// Brings the selection back onto a row, and a window the cursor holds around
// it, when navigation ends, however it ends.
class SelectionKeeper {
  public:
    explicit SelectionKeeper(Controller& menu) : menu_(menu) {}
    ~SelectionKeeper() {
        KeepSelectionOnARow(menu_);
        SettleHeldWindow(menu_);
    }
    SelectionKeeper(const SelectionKeeper&) = delete;
    SelectionKeeper& operator=(const SelectionKeeper&) = delete;

  private:
    Controller& menu_;
};

Option* SelectedOption(Controller& menu) {
    KeepSelectionOnARow(menu);
    return RowAt(*menu.currentSubmenu, menu.selectedIndex);
}

// Clears a row's call markers when its call ends, also when the action throws.
// The row is looked up again by position: the action may have re-registered
// its own submenu and so replaced every row.
class MarkerReset {
  public:
    MarkerReset(Submenu& submenu, std::int32_t row) : submenu_(submenu), row_(row) {}
    ~MarkerReset() {
        if (Option* option = RowAt(submenu_, row_)) {
            option->frame.invoking = false;
            option->frame.steppedLeft = false;
            option->frame.steppedRight = false;
            KeepRowValue(*option); // the value as the step and the action left it
        }
    }
    MarkerReset(const MarkerReset&) = delete;
    MarkerReset& operator=(const MarkerReset&) = delete;

  private:
    Submenu& submenu_;
    std::int32_t row_;
};

// Runs the action from a copy, so replacing the rows mid-call cannot destroy
// the callable that is running.
void CallAction(Submenu& submenu, std::int32_t row) {
    const MarkerReset reset(submenu, row);
    Option& option = *RowAt(submenu, row);
    if (!option.action) {
        return;
    }
    const std::function<void()> action = option.action;
    option.frame.invoking = true;
    action();
}

// One step through a list's values, wrapping at both ends. A list whose values
// were emptied after it was added has nothing to step to: false, nothing runs.
bool StepList(Submenu& submenu, std::int32_t row, bool right) {
    Option& option = *RowAt(submenu, row);
    const auto count = static_cast<std::int32_t>(std::min<std::size_t>(option.listValues.size(), INT32_MAX));
    if (count == 0) {
        return false;
    }
    // An index already outside the values steps back onto them.
    const std::int32_t index = option.listIndex;
    std::int32_t next = 0;
    if (right) {
        next = index < 0 || index >= count - 1 ? 0 : index + 1;
    } else {
        next = index <= 0 || index > count - 1 ? count - 1 : index - 1;
    }
    option.frame.steppedLeft = !right;
    option.frame.steppedRight = right;
    option.listIndex = next;
    option.valueText = option.listValues[static_cast<std::size_t>(next)];
    CallAction(submenu, row);
    return true;
}

// One step of a number row; at its ends nothing changes and nothing runs.
bool StepNumberRow(Submenu& submenu, std::int32_t row, bool right) {
    Option& option = *RowAt(submenu, row);
    if (!StepNumber(option, right)) {
        return false;
    }
    ShowNumber(option);
    option.frame.steppedLeft = !right;
    option.frame.steppedRight = right;
    CallAction(submenu, row);
    return true;
}

// A disabled row's answer to Select, left and right.
void Refuse() {
    PlayFrontendSound(menu_art::RefusedSound);
}

// Each step below that needs the selected row answers false when the submenu
// has none, which ends navigation for the frame.

bool Select(Controller& menu) {
    Option* option = SelectedOption(menu);
    if (option == nullptr) {
        return false;
    }
    Submenu& submenu = *menu.currentSubmenu;
    const std::int32_t row = menu.selectedIndex;
    if (option->isDisabled) {
        Refuse();
        return true;
    }
    if (option->isAction) {
        CallAction(submenu, row);
    } else if (option->isToggle) {
        if (option->toggleTarget != nullptr) {
            *option->toggleTarget = !*option->toggleTarget;
        }
        CallAction(submenu, row);
    } else if (option->isList) {
        StepList(submenu, row, true);
    } else if (option->isSubmenuLink) {
        const std::int32_t target = option->targetSubmenuId;
        if (submenuRegistry.find(target) != submenuRegistry.end()) {
            menu.EnterSubmenu(target);
        }
    } else if (option->isNumber) {
        CallAction(submenu, row);
    } else if (option->isTextEntry) {
        OpenKeyboard(menu, row);
    }
    PlayFrontendSound(menu_art::SelectSound);
    return true;
}

bool FastStepHeld() {
    return IsKeyHeld(plugin_keys::FastStep, FastStepWindowMs);
}

bool MoveUp(Controller& menu) {
    if (SelectedOption(menu) == nullptr) {
        return false;
    }
    Submenu& submenu = *menu.currentSubmenu;
    std::int32_t row =
        FastStepHeld() ? std::max(menu.selectedIndex - FastStepRows, 0) : menu.selectedIndex - 1;
    // Only one separator is stepped over; a wrap may land on one.
    if (IsSeparatorRow(submenu, row)) {
        --row;
    }
    if (row < 0) {
        row = RowCount(submenu) - 1;
    }
    menu.selectedIndex = row;
    PlayFrontendSound(menu_art::UpSound);
    HoverSelectedRow(menu);
    return true;
}

bool MoveDown(Controller& menu) {
    if (SelectedOption(menu) == nullptr) {
        return false;
    }
    Submenu& submenu = *menu.currentSubmenu;
    const std::int32_t last = RowCount(submenu) - 1;
    std::int32_t row =
        FastStepHeld() ? std::min(menu.selectedIndex + FastStepRows, last) : menu.selectedIndex + 1;
    if (IsSeparatorRow(submenu, row)) {
        ++row;
    }
    if (row > last) {
        row = 0;
    }
    menu.selectedIndex = row;
    PlayFrontendSound(menu_art::DownSound);
    HoverSelectedRow(menu);
    return true;
}

// The nearest row from `row` on in the way of the jump that is not a
// heading; when only headings lie that way, the nearest one back towards
// `from` (which is no heading, or the jump stays there).
std::int32_t OffHeadings(Submenu& submenu, std::int32_t row, std::int32_t from, bool down) {
    const std::int32_t way = down ? 1 : -1;
    for (std::int32_t ahead = row; RowAt(submenu, ahead) != nullptr; ahead += way) {
        if (!IsSeparatorRow(submenu, ahead)) {
            return ahead;
        }
    }
    for (std::int32_t back = row; back != from; back -= way) {
        if (!IsSeparatorRow(submenu, back)) {
            return back;
        }
    }
    return from;
}

// Page Up or Down: a window's worth of rows, stopping at the first or last
// row without wrapping; headings are passed over as a move passes them.
bool JumpPage(Controller& menu, bool down) {
    if (SelectedOption(menu) == nullptr) {
        return false;
    }
    Submenu& submenu = *menu.currentSubmenu;
    const std::int64_t window = RowsShown(style);
    const std::int64_t last = RowCount(submenu) - 1;
    const std::int64_t target =
        std::clamp(menu.selectedIndex + (down ? window : -window), std::int64_t{0}, last);
    const std::int32_t row =
        OffHeadings(submenu, static_cast<std::int32_t>(target), menu.selectedIndex, down);
    if (row == menu.selectedIndex) {
        return true; // already at the end
    }
    menu.selectedIndex = row;
    PlayFrontendSound(down ? menu_art::DownSound : menu_art::UpSound);
    HoverSelectedRow(menu);
    return true;
}

// A press steps a list or a number; a held control's repeat (repeated) steps
// only a number.
bool StepSideways(Controller& menu, bool right, bool repeated) {
    const Option* option = SelectedOption(menu);
    if (option == nullptr) {
        return false;
    }
    if (option->isDisabled) {
        if (!repeated) {
            Refuse();
        }
        return true;
    }
    Submenu& submenu = *menu.currentSubmenu;
    const bool stepped = option->isNumber              ? StepNumberRow(submenu, menu.selectedIndex, right)
                         : option->isList && !repeated ? StepList(submenu, menu.selectedIndex, right)
                                                       : false;
    if (stepped) {
        PlayFrontendSound(right ? menu_art::RightSound : menu_art::LeftSound);
    }
    return true;
}

void ActOnRequests(Controller& menu) {
    if (menu.toggleRequested) {
        menu.SetOpen(!menu.isOpen);
    }
    if (!menu.isOpen) {
        return;
    }
    if (menu.selectRequested && !menu.toggleRequested && !Select(menu)) {
        return;
    }
    if (menu.backRequested && !menu.toggleRequested) {
        if (menu.currentSubmenu->id < 1) {
            // Closing keeps the submenu and row, so the menu opens again where it was.
            PlayFrontendSound(menu_art::BackSound);
            menu.SetOpen(false);
            return;
        }
        menu.GoBack();
        PlayFrontendSound(menu_art::BackSound);
    }
    if (menu.upPressed && !MoveUp(menu)) {
        return;
    }
    if (menu.downPressed && !MoveDown(menu)) {
        return;
    }
    if (menu.pageUpPressed && !JumpPage(menu, false)) {
        return;
    }
    if (menu.pageDownPressed && !JumpPage(menu, true)) {
        return;
    }
    const bool left = menu.leftPressed || menu.frame.leftRepeated;
    if (left && !StepSideways(menu, false, !menu.leftPressed)) {
        return;
    }
    if (menu.rightPressed || menu.frame.rightRepeated) {
        StepSideways(menu, true, !menu.rightPressed);
    }
}

} // namespace

Option* SelectedRow() {
    if (settings.frame.hotkeyRunning) {
        return HotkeyRow();
    }
    if (menuController == nullptr || menuController->currentSubmenu == nullptr) {
        return nullptr;
    }
    Option* row = RowAt(*menuController->currentSubmenu, menuController->selectedIndex);
    if (row != nullptr && row->isNumber) {
        ShowNumber(*row); // other code may have changed its target
    }
    return row;
}

void RunRowAction(Submenu& submenu, std::int32_t row) {
    if (RowAt(submenu, row) != nullptr) {
        CallAction(submenu, row);
    }
}

void Navigate(Controller& menu) {
    KeepSelectionOnARow(menu);
    // Also when an action that replaced the rows throws and so ends the frame.
    const SelectionKeeper keeper(menu);
    ActOnRequests(menu);
}

} // namespace Menu
