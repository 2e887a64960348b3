// A plug-in whose actions wait a frame or two with scriptWait, as a page that
// loads something does: the Select sound comes frames after Select was read.
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "host/ScriptHook.h"
#include "menu/Menu.h"

#include <cstdint>

void InitializeMenu() {
    menuController->AddSubmenu(0, "Waiting", "Main page", [](Menu::Submenu* main) {
        main->AddOption("Wait and speak", "Sets the voice two frames on.", [] {
            using NativeInvoker::Invoke;
            scriptWait(0);
            scriptWait(0);
            const auto voice = Invoke<std::uint32_t>(native::HashOfName, "VOFX_WAITED");
            Invoke(native::SetVoiceByHash, Invoke<std::uint32_t>(native::GetPlayerCharacter), voice);
        });
        main->AddOption("Wait and open", "Opens page 2 a frame on.", [] {
            scriptWait(0);
            menuController->EnterSubmenu(2);
        });
    });
    menuController->AddSubmenu(2, "Waiting", "Opened",
                               [](Menu::Submenu* page) { page->AddOption("Only row", "", [] {}); });
}
