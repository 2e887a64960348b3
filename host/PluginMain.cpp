#include "host/PluginMain.h"

#include "host/KeyStates.h"
#include "host/ProcessState.h"
#include "host/ScriptHook.h"
#include "menu/Prompts.h"
#include "voices/VoiceMenu.h"

#include <memory>

namespace {

void MeasureGameWindow() {
    HWND window = FindWindowA(nullptr, "Red Dead Redemption 2");
    RECT rect = {};
    if (window != nullptr && GetWindowRect(window, &rect)) {
        windowWidth = rect.right - rect.left;
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
        scriptWait(0);
    }
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        scriptRegister(instance, ScriptMain);
        keyboardHandlerRegister(KeyboardHandler);
    } else if (reason == DLL_PROCESS_DETACH) {
        scriptUnregister(instance);
        keyboardHandlerUnregister(KeyboardHandler);
    }
    return TRUE;
}
