#include "FixturePages.h"

#include "host/ProcessState.h"
#include "voices/MainMenu.h"

#include <string>

// Six plain rows whose actions do nothing: a test that needs other rows
// registers them itself.
void InitializeMenu() {
    menuController->AddSubmenu(0, "Fixture", "Main page", [](Menu::Submenu* main) {
        for (std::int32_t row = 1; row <= FixtureMainRows; ++row) {
            main->AddOption("Row " + std::to_string(row), "Fixture row " + std::to_string(row) + ".", {});
        }
    });
}
