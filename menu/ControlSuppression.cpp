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

constexpr std::uint32_t gamepadOnlyControls[] = {control::INPUT_WHISTLE, control::INPUT_WHISTLE_HORSEBACK};
constexpr std::uint32_t suppressedControls[] = {
    control::INPUT_SELECT_RADAR_MODE,  control::INPUT_REVEAL_HUD,
    control::INPUT_PLAYER_MENU,        control::INPUT_OPEN_JOURNAL,
    control::INPUT_OPEN_SATCHEL_MENU,  control::INPUT_OPEN_SATCHEL_HORSE_MENU,
    control::INPUT_OPEN_CRAFTING_MENU, control::INPUT_OPEN_EMOTE_WHEEL,
    control::INPUT_EXPAND_RADAR,       control::INPUT_INTERACTION_MENU,
    control::INPUT_HUD_SPECIAL};

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
            NativeInvoker::Invoke(native::DisableControl, GamepadGroup, control, 0);
        }
    }
    for (const std::uint32_t control : suppressedControls) {
        NativeInvoker::Invoke(native::DisableControl, menu.controlGroup, control, 0);
    }
}

} // namespace Menu
