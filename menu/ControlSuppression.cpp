// The game controls the open menu takes away from the game.
#include "menu/FrameSteps.h"
#include "menu/Menu.h"

#include "host/GameControls.h"
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "host/ScriptHook.h"
#include "menu/ControlGroups.h"

#include <cstdint>

namespace Menu {

namespace {

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

} // namespace

void SuppressGameControls(Controller& menu) {
    if (!menu.isOpen) {
        return;
    }
    if (menu.controlGroup == GamepadGroup) {
        // A game build without this global answers null: skip the write.
        if (std::uint64_t* global = getGlobalPtr(GamepadMenuGlobal)) {
            *global = 2;
        }
        for (const std::uint32_t control : gamepadOnlyControls) {
            NativeInvoker::Invoke(Native::DisableControl, GamepadGroup, control, 0);
        }
    }
    for (const std::uint32_t control : suppressedControls) {
        NativeInvoker::Invoke(Native::DisableControl, menu.controlGroup, control, 0);
    }
}

} // namespace Menu
