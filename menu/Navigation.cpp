#include "menu/Controller.h"

#include "host/GameControls.h"
#include "host/KeyStates.h"
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "host/ProcessState.h"
#include "menu/Controls.h"
#include "menu/Prompts.h"
#include "menu/Sound.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace Menu {

namespace {

using NativeInvoker::Invoke;

constexpr std::uint32_t ToggleKey = 0x77;     // F8
constexpr std::uint32_t ToggleWindowMs = 100; // an older release is lost
constexpr std::uint32_t FastStepKey = 0x10;   // Shift
constexpr std::uint32_t FastStepWindowMs = 30000;
constexpr std::int32_t FastStepRows = 10;

constexpr std::uint32_t KeyboardGroup = 0;
constexpr std::uint32_t GamepadGroup = 2;

// Written with 2 while the menu is open with a gamepad.
constexpr int GamepadMenuGlobal = 1900699;

constexpr std::uint32_t gamepadOnlyControls[] = {Control::INPUT_WHISTLE, Control::INPUT_WHISTLE_HORSEBACK};
constexpr std::uint32_t suppressedControls[] = {
    Control::INPUT_SELECT_RADAR_MODE,  Control::INPUT_REVEAL_HUD,
    Control::INPUT_PLAYER_MENU,        Control::INPUT_OPEN_JOURNAL,
    Control::INPUT_OPEN_SATCHEL_MENU,  Control::INPUT_OPEN_SATCHEL_HORSE_MENU,
    Control::INPUT_OPEN_CRAFTING_MENU, Control::INPUT_OPEN_EMOTE_WHEEL,
    Control::INPUT_EXPAND_RADAR,       Control::INPUT_INTERACTION_MENU,
    Control::INPUT_HUD_SPECIAL};

// While a prompt is valid and active only its completed press confirms; the
// raw control's release stands in otherwise.
bool Confirmed(std::uint32_t prompt, bool controlReleased) {
    if (Invoke<bool>(Native::PromptValid, prompt) && Invoke<bool>(Native::PromptActive, prompt)) {
        return Invoke<bool>(Native::PromptPressCompleted, prompt, 0);
    }
    return controlReleased;
}

// optionCount is the row count, but never beyond the rows actually present.
std::int32_t RowCount(const Submenu& submenu) {
    const auto present = static_cast<std::int32_t>(std::min<std::size_t>(submenu.options.size(), INT32_MAX));
    return std::clamp(submenu.optionCount, 0, present);
}

Option* RowAt(Submenu& submenu, std::int32_t row) {
    return row >= 0 && row < RowCount(submenu) ? &submenu.options[static_cast<std::size_t>(row)] : nullptr;
}

bool IsSeparatorRow(Submenu& submenu, std::int32_t row) {
    const Option* option = RowAt(submenu, row);
    return option != nullptr && option->isSeparator;
}

// Rows can shrink under the selection (a re-registration, a saved row restored
// into a smaller submenu); the selection then moves to the nearest row instead
// of naming one that is gone. With no rows it is row 0, as on a page that
// never had any: the counter reads "1 of 0" and the highlight takes the first slot.
void KeepSelectionOnARow(Controller& menu) {
    const std::int32_t rows = RowCount(*menu.currentSubmenu);
    menu.selectedIndex = rows > 0 ? std::clamp(menu.selectedIndex, 0, rows - 1) : 0;
}

// Brings the selection back onto a row when navigation ends, however it ends.
class SelectionKeeper {
  public:
    explicit SelectionKeeper(Controller& menu) : menu_(menu) {}
    ~SelectionKeeper() { KeepSelectionOnARow(menu_); }
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
            option->invoking = false;
            option->steppedLeft = false;
            option->steppedRight = false;
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
    option.invoking = true;
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
    option.steppedLeft = !right;
    option.steppedRight = right;
    option.listIndex = next;
    option.valueText = option.listValues[static_cast<std::size_t>(next)];
    CallAction(submenu, row);
    return true;
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
    }
    PlayFrontendSound("SELECT", "HUD_SHOP_SOUNDSET");
    return true;
}

bool FastStepHeld() {
    return IsKeyHeld(FastStepKey, FastStepWindowMs);
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
    PlayFrontendSound("NAV_UP", "Ledger_Sounds");
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
    PlayFrontendSound("NAV_DOWN", "Ledger_Sounds");
    return true;
}

bool StepSideways(Controller& menu, bool right) {
    const Option* option = SelectedOption(menu);
    if (option == nullptr) {
        return false;
    }
    if (option->isList && StepList(*menu.currentSubmenu, menu.selectedIndex, right)) {
        PlayFrontendSound(right ? "NAV_RIGHT" : "NAV_LEFT", "PAUSE_MENU_SOUNDSET");
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
            PlayFrontendSound("BACK", "HUD_SHOP_SOUNDSET");
            menu.SetOpen(false);
            return;
        }
        menu.GoBack();
        PlayFrontendSound("BACK", "HUD_SHOP_SOUNDSET");
    }
    if (menu.upPressed && !MoveUp(menu)) {
        return;
    }
    if (menu.downPressed && !MoveDown(menu)) {
        return;
    }
    if (menu.leftPressed && !StepSideways(menu, false)) {
        return;
    }
    if (menu.rightPressed) {
        StepSideways(menu, true);
    }
}

} // namespace

Option* SelectedRow() {
    if (menuController == nullptr || menuController->currentSubmenu == nullptr) {
        return nullptr;
    }
    return RowAt(*menuController->currentSubmenu, menuController->selectedIndex);
}

void Controller::ReadInput() {
    controlGroup = Invoke<bool>(Native::InputDeviceQuery, 0) ? KeyboardGroup : GamepadGroup;

    // The keyboard comes first; the chord is not even queried when F8 toggles.
    toggleRequested =
        ConsumeKeyRelease(ToggleKey, ToggleWindowMs) ||
        (Invoke<bool>(Native::ControlPressedDisabledAware, GamepadGroup, ChordModifierControl) &&
         Invoke<bool>(Native::ControlJustReleased, GamepadGroup, ChordControl));

    acceptPressed = Invoke<bool>(Native::ControlJustReleased, controlGroup, SelectControl);
    backPressed = Invoke<bool>(Native::ControlJustReleased, controlGroup, BackControl);
    upPressed = Invoke<bool>(Native::ControlJustPressed, controlGroup, UpControl);
    downPressed = Invoke<bool>(Native::ControlJustPressed, controlGroup, DownControl);
    leftPressed = Invoke<bool>(Native::ControlJustPressedDisabledAware, controlGroup, LeftControl);
    rightPressed = Invoke<bool>(Native::ControlJustPressedDisabledAware, controlGroup, RightControl);

    selectRequested = Confirmed(selectPrompt, acceptPressed);
    backRequested = Confirmed(backPrompt, backPressed);
}

void Controller::Navigate() {
    KeepSelectionOnARow(*this);
    // Also when an action that replaced the rows throws and so ends the frame.
    const SelectionKeeper keeper(*this);
    ActOnRequests(*this);
}

void Controller::SuppressGameControls() {
    if (!isOpen) {
        return;
    }
    if (controlGroup == GamepadGroup) {
        // A game build without this global answers null: skip the write.
        if (std::uint64_t* global = getGlobalPtr(GamepadMenuGlobal)) {
            *global = 2;
        }
        for (const std::uint32_t control : gamepadOnlyControls) {
            Invoke(Native::DisableControl, GamepadGroup, control, 0);
        }
    }
    for (const std::uint32_t control : suppressedControls) {
        Invoke(Native::DisableControl, controlGroup, control, 0);
    }
}

void Controller::SetOpen(bool open) {
    isOpen = open;
    if (isOpen) {
        PlayFrontendSound("MENU_ENTER", "HUD_PLAYER_MENU");
    } else {
        PlayFrontendSound("MENU_CLOSE", "HUD_PLAYER_MENU");
    }
    Invoke(Native::RadarDisplaySwitch, isOpen ? 0 : 1);
}

} // namespace Menu
