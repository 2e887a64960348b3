// A second plug-in for the workbench's reload tests, built in place of
// voices/MainMenu.cpp: another main page, so a reload shows on screen, and a
// second page with an id of its own.
#include "menu/Menu.h"

void InitializeMenu() {
    menuController->AddSubmenu(0, "Other Module", "Reloaded Page", [](Menu::Submenu* main) {
        main->AddSubmenuLink("Second page", "Opens page 7.", 7);
        for (const char* row : {"First other row", "Second other row", "Third other row"}) {
            main->AddOption(row, "A row of the reload test's module.", [] {});
        }
    });
    menuController->AddSubmenu(7, "Other Module", "Page Seven", [](Menu::Submenu* page) {
        page->AddOption("Only row", "The one row of page 7.", [] {});
    });
}
