// A second plug-in for the workbench's reload tests: the same sources with
// another main page, so a reload shows on screen, and a second page.
#include "host/ProcessState.h"
#include "voices/VoiceMenu.h"

void AddVoiceOptions(Menu::Submenu* submenu) {
    submenu->AddSubmenuLink("Second page", "Opens page 7.", 7);
    for (const char* row : {"First other row", "Second other row", "Third other row"}) {
        submenu->AddOption(row, "A row of the reload test's module.", [] {});
    }
}

void InitializeMenu() {
    menuController->AddSubmenu(0, "Other Module", "Reloaded Page", AddVoiceOptions);
    menuController->AddSubmenu(7, "Other Module", "Page Seven", [](Menu::Submenu* submenu) {
        submenu->AddOption("Only row", "The one row of page 7.", [] {});
    });
}
