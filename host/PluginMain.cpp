#include "host/PluginMain.h"

#include "host/GameWindow.h"
#include "host/KeyStates.h"
#include "host/ProcessState.h"
#include "host/ScriptHook.h"
#include "menu/Menu.h"
#include "menu/Prompts.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace {

// Windows parks a minimised window here, shrunk to its caption bar.
constexpr LONG MinimisedPosition = -32000;

// The width of the game's picture, when the rectangle shows one: not a
// minimised window (the player alt-tabbed away while the game loaded), not
// empty or inside out, not wider than an int.
std::optional<std::int32_t> PictureWidth(const RECT& rect) {
    if (rect.left == MinimisedPosition && rect.top == MinimisedPosition) {
        return std::nullopt;
    }
    const std::int64_t width = std::int64_t{rect.right} - rect.left;
    if (width <= 0 || width > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(width);
}

// Text is scaled by the game window; when it tells nothing, the screen width stays.
void MeasureGameWindow() {
    HWND window = FindWindowA(nullptr, GameWindowTitle);
    RECT rect = {};
    if (window != nullptr && GetWindowRect(window, &rect)) {
        windowWidth = PictureWidth(rect).value_or(windowWidth);
    }
}

void StartUp() {
    menuController = std::make_unique<Menu::Controller>();
    Menu::Controller& controller = *menuController;
    if (controller.selectPrompt == 0) {
        CreatePrompt(controller.selectPrompt, "Select", Menu::SelectControl);
    }
    if (controller.backPrompt == 0) {
        CreatePrompt(controller.backPrompt, "Back", Menu::BackControl);
    }
    InitializeMenu();
    controller.OpenSubmenu(0);
    MeasureGameWindow();
}

} // namespace

// An exception that reached the host would end the game, so none leaves here:
// a failed start-up keeps yielding with no menu, and a failed frame is dropped.
void ScriptMain() {
    bool started = false;
    try {
        StartUp();
        started = true;
    } catch (...) {
    }
    if (!started) {
        for (;;) {
            scriptWait(0);
        }
    }
    for (;;) {
        try {
            menuController->FrameTick();
        } catch (...) {
        }
        // Each task catches its own failure: a failed frame leaves them be.
        menuController->RunFrameTasks();
        scriptWait(0);
    }
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        scriptRegister(instance, ScriptMain);
        keyboardHandlerRegister(KeyboardHandler);
    } else if (reason == DLL_PROCESS_DETACH) {
        scriptUnregister(instance);
        keyboardHandlerUnregister(KeyboardHandler);
        // Freed while the game goes on (a script reload): what the runtime
        // keeps would stay behind at every reload. A process that is ending
        // (reserved set) gets it all back anyway.
        if (reserved == nullptr) {
            ReleaseRuntimeMemory();
        }
    }
    return TRUE;
}
