#include "host/PluginMain.h"

#include "host/GameWindow.h"
#include "host/KeyStates.h"
#include "host/ProcessState.h"
#include "host/ScriptHook.h"
#include "menu/Menu.h"
#include "menu/Prompts.h"
#include "menu/Settings.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace {

// Windows parks a minimised window here, shrunk to its caption bar.
constexpr LONG MinimisedPosition = -32000;

// The longest path Windows hands back.
constexpr DWORD MaxModulePath = 32768;

// One side of the game's picture, when the rectangle shows one: not empty or
// inside out, not longer than an int.
std::optional<std::int32_t> PictureSide(LONG from, LONG to) {
    const std::int64_t side = std::int64_t{to} - from;
    if (side <= 0 || side > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(side);
}

// The menu is scaled to the game window; when its rectangle shows no picture
// (a minimised window: the player alt-tabbed away while the game loaded), or
// there is none, the screen's size stays.
void MeasureGameWindow() {
    HWND window = FindWindowA(nullptr, GameWindowTitle);
    RECT rect = {};
    if (window != nullptr && GetWindowRect(window, &rect) &&
        !(rect.left == MinimisedPosition && rect.top == MinimisedPosition)) {
        const std::optional<std::int32_t> width = PictureSide(rect.left, rect.right);
        const std::optional<std::int32_t> height = PictureSide(rect.top, rect.bottom);
        if (width && height) {
            windowWidth = *width;
            windowHeight = *height;
        }
    }
    windowScale = Menu::ScaleOfWindow(windowWidth, windowHeight);
}

// The module's path with its extension replaced: RanchHand.ini beside
// RanchHand.asi, so a renamed copy keeps its own. Empty when Windows cannot
// say (or the path does not fit).
std::string SettingsPath() {
    std::string path(MaxModulePath, '\0');
    const DWORD length = GetModuleFileNameA(pluginModule, path.data(), MaxModulePath);
    if (length == 0 || length >= MaxModulePath) {
        return {};
    }
    path.resize(length);
    const std::size_t name = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && (name == std::string::npos || dot > name);
    return path.substr(0, hasExtension ? dot : path.size()) + ".ini";
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
    if (Menu::settings.enabled) {
        Menu::LoadSettings(SettingsPath());
    }
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
        pluginModule = instance;
        scriptRegister(instance, ScriptMain);
        keyboardHandlerRegister(KeyboardHandler);
    } else if (reason == DLL_PROCESS_DETACH) {
        scriptUnregister(instance);
        keyboardHandlerUnregister(KeyboardHandler);
        // Freed while the game goes on (a script reload): what the runtime
        // keeps would stay behind at every reload. A process that is ending
        // (reserved set) gets it all back anyway.
        if (reserved == nullptr) {
            // A script reload: what changed in the last second is kept. An
            // ending process may be past the point where files can be written.
            Menu::WriteSettings(true);
            ReleaseRuntimeMemory();
        }
    }
    return TRUE;
}
