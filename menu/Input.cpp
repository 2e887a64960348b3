// What the player asked for this frame, read from the keyboard table, the
// game's controls and the two prompts.
#include "menu/FrameSteps.h"
#include "menu/Menu.h"

#include "host/KeyStates.h"
#include "host/MenuControls.h"
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "host/Platform.h"
#include "menu/ControlGroups.h"
#include "menu/Prompts.h"
#include "menu/Rows.h"
#include "menu/Style.h"

#include <cstdint>

namespace Menu {

namespace {

using NativeInvoker::Invoke;

constexpr std::uint32_t ToggleWindowMs = 100; // an older release is lost

// While a prompt is valid and active only its completed press confirms; the
// raw control's release stands in otherwise.
bool Confirmed(std::uint32_t prompt, bool controlReleased) {
    if (Invoke<bool>(native::PromptValid, prompt) && Invoke<bool>(native::PromptActive, prompt)) {
        return Invoke<bool>(native::PromptPressCompleted, prompt, 0);
    }
    return controlReleased;
}

constexpr std::uint32_t RepeatDelayMs = 400;
constexpr std::uint32_t RepeatIntervalMs = 80;

bool NumberRowSelected(Controller& menu) {
    if (!menu.isOpen || menu.currentSubmenu == nullptr) {
        return false;
    }
    const Option* row = RowAt(*menu.currentSubmenu, menu.selectedIndex);
    return row != nullptr && row->isNumber && !row->isDisabled;
}

// Whether the tick count has reached a moment, across its wrap.
bool Reached(std::uint32_t now, std::uint32_t moment) {
    return static_cast<std::int32_t>(now - moment) >= 0;
}

// A held left or right on a number row steps again once it has been held
// long enough. Only then are the held controls asked, so a menu without a
// number row makes no call for them.
void ReadHeldSteps(Controller& menu) {
    menu.frame.leftRepeated = false;
    menu.frame.rightRepeated = false;
    if (!NumberRowSelected(menu)) {
        menu.frame.repeatArmed = false;
        return;
    }
    const bool leftHeld = Invoke<bool>(native::ControlPressedDisabledAware, menu.controlGroup, LeftControl);
    const bool rightHeld = Invoke<bool>(native::ControlPressedDisabledAware, menu.controlGroup, RightControl);
    if (menu.leftPressed || menu.rightPressed) {
        menu.frame.repeatArmed = true;
        menu.frame.nextRepeatAt = GetTickCount() + RepeatDelayMs;
        return;
    }
    if (!leftHeld && !rightHeld) {
        menu.frame.repeatArmed = false;
        return;
    }
    const std::uint32_t now = GetTickCount();
    if (menu.frame.repeatArmed && Reached(now, menu.frame.nextRepeatAt)) {
        menu.frame.leftRepeated = leftHeld;
        menu.frame.rightRepeated = rightHeld;
        menu.frame.nextRepeatAt = now + RepeatIntervalMs;
    }
}

// Page Up and Down, asked only while the shown page holds more rows than
// its window: a short page (every page of the shipped menu) never asks.
void ReadPageJumps(Controller& menu) {
    menu.pageUpPressed = false;
    menu.pageDownPressed = false;
    if (!menu.isOpen || menu.currentSubmenu == nullptr ||
        RowCount(*menu.currentSubmenu) <= RowsShown(style)) {
        return;
    }
    menu.pageUpPressed = Invoke<bool>(native::ControlJustPressed, menu.controlGroup, PageUpControl);
    menu.pageDownPressed = Invoke<bool>(native::ControlJustPressed, menu.controlGroup, PageDownControl);
}

} // namespace

void DropMenuKey() {
    ConsumeKeyRelease(settings.frame.menuKey, ToggleWindowMs);
}

void ReadInput(Controller& menu) {
    menu.controlGroup = Invoke<bool>(native::InputDeviceQuery, 0) ? KeyboardGroup : GamepadGroup;

    // The keyboard comes first (F8, or the key the settings file names); the
    // chord is not even queried when it toggles.
    menu.toggleRequested =
        ConsumeKeyRelease(settings.frame.menuKey, ToggleWindowMs) ||
        (Invoke<bool>(native::ControlPressedDisabledAware, GamepadGroup, ChordModifierControl) &&
         Invoke<bool>(native::ControlJustReleased, GamepadGroup, ChordControl));

    menu.acceptPressed = Invoke<bool>(native::ControlJustReleased, menu.controlGroup, SelectControl);
    menu.backPressed = Invoke<bool>(native::ControlJustReleased, menu.controlGroup, BackControl);
    menu.upPressed = Invoke<bool>(native::ControlJustPressed, menu.controlGroup, UpControl);
    menu.downPressed = Invoke<bool>(native::ControlJustPressed, menu.controlGroup, DownControl);
    menu.leftPressed = Invoke<bool>(native::ControlJustPressedDisabledAware, menu.controlGroup, LeftControl);
    menu.rightPressed =
        Invoke<bool>(native::ControlJustPressedDisabledAware, menu.controlGroup, RightControl);

    menu.selectRequested = Confirmed(menu.selectPrompt, menu.acceptPressed);
    menu.backRequested = Confirmed(menu.backPrompt, menu.backPressed);

    ReadHeldSteps(menu);
    ReadPageJumps(menu);
    ReadMouse(menu);
    SettleAfterKeyboard(menu);
}

} // namespace Menu
