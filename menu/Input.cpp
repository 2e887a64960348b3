// What the player asked for this frame, read from the keyboard table, the
// game's controls and the two prompts.
#include "menu/Controller.h"

#include "host/KeyStates.h"
#include "host/MenuControls.h"
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "host/PluginKeys.h"
#include "menu/ControlGroups.h"
#include "menu/Prompts.h"

#include <cstdint>

namespace Menu {

namespace {

using NativeInvoker::Invoke;

constexpr std::uint32_t ToggleWindowMs = 100; // an older release is lost

// While a prompt is valid and active only its completed press confirms; the
// raw control's release stands in otherwise.
bool Confirmed(std::uint32_t prompt, bool controlReleased) {
    if (Invoke<bool>(Native::PromptValid, prompt) && Invoke<bool>(Native::PromptActive, prompt)) {
        return Invoke<bool>(Native::PromptPressCompleted, prompt, 0);
    }
    return controlReleased;
}

} // namespace

void Controller::ReadInput() {
    controlGroup = Invoke<bool>(Native::InputDeviceQuery, 0) ? KeyboardGroup : GamepadGroup;

    // The keyboard comes first; the chord is not even queried when F8 toggles.
    toggleRequested =
        ConsumeKeyRelease(PluginKeys::Toggle, ToggleWindowMs) ||
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

    ReadMouse();
    SettleAfterKeyboard();
}

} // namespace Menu
