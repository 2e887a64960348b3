// The example module's pages, built in place of voices/MainMenu.cpp: the
// plug-in's main page with a link to the example page, then the example,
// with the mouse on and a look of its own.
#include "examples/ExamplePage.h"
#include "menu/Menu.h"
#include "voices/VoiceMenu.h"

void InitializeMenu() {
    // A look of its own, read every frame from the first one.
    Menu::style.rowsShown = 6;
    Menu::style.left = 120.0f;
    Menu::style.width = 500.0f;
    Menu::style.backgroundColour = {16, 24, 40, 235};
    Menu::style.headerColour = {110, 150, 230, 255};
    Menu::style.highlightColour = {236, 186, 72, 255};
    Menu::style.selectedTextColour = {255, 226, 150, 255};
    // Font 13 is the game's "ledger".
    Menu::style.titleFont = 13;
    Menu::style.subtitleColour = {200, 210, 230, 255};
    Menu::style.separatorColour = {236, 186, 72, 255};
    Menu::style.descriptionColour = {200, 210, 230, 255};
    menuController->mouseEnabled = true;
    // Remembered rows, the menu key and hotkeys, in QuorvaneExample.ini beside QuorvaneExample.asi.
    Menu::settings.enabled = true;

    menuController->AddSubmenu(0, "Quorvane Dev Tools", "Main Menu", [](Menu::Submenu* main) {
        AddVoiceOptions(main);
        main->AddSubmenuLink("Example page", "Opens the example page.", ExamplePageId);
    });
    RegisterExamplePages();
}
