// The example module's pages, built in place of voices/MainMenu.cpp: the
// plug-in's main page with a link to the example page, then the example.
#include "examples/ExamplePage.h"
#include "menu/Controller.h"
#include "menu/Pages.h"
#include "voices/VoiceMenu.h"

void InitializeMenu() {
    menuController->AddSubmenu(0, "Quorvane Dev Tools", "Main Menu", [](Menu::Submenu* main) {
        AddVoiceOptions(main);
        main->AddSubmenuLink("Example page", "Opens the example page.", ExamplePageId);
    });
    RegisterExamplePages();
}
