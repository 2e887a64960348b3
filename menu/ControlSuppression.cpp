// The game controls the open menu takes away from the game.
#include "menu/Controller.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "host/ScriptHook.h"
#include "menu/ControlGroups.h"

#include <cstdint>

namespace Menu {

namespace {

// Written with 2 while the menu is open with a gamepad.
constexpr int GamepadMenuGlobal = 1900699;

constexpr std::uint32_t gamepadOnlyControls[] = {0x24978a28, 0xe7eb9185};
constexpr std::uint32_t suppressedControls[] = {0x0f39b3d4, 0xcf8a4eca, 0x80f28e95, 0xf3830d8e,
                                                0x4cc0e2fe, 0x5966d52a, 0x734c6e39, 0xe2b557a3,
                                                0xcf0b11de, 0xcc510e59, 0x580c4473};

} // namespace

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
            NativeInvoker::Invoke(Native::DisableControl, GamepadGroup, control, 0);
        }
    }
    for (const std::uint32_t control : suppressedControls) {
        NativeInvoker::Invoke(Native::DisableControl, controlGroup, control, 0);
    }
}

} // namespace Menu
