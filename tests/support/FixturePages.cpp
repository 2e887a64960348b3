#include "tests/support/FixturePages.h"

#include "menu/Menu.h"

#include <string>

bool fixtureMainPageIsZero = true;
std::function<void()> fixtureInitialize;

// Six plain rows whose actions do nothing: a test that needs other rows
// registers them itself.
void InitializeMenu() {
    const std::int32_t id = fixtureMainPageIsZero ? 0 : 3;
    menuController->AddSubmenu(id, "Fixture", "Main page", [](Menu::Submenu* main) {
        for (std::int32_t row = 1; row <= FixtureMainRows; ++row) {
            main->AddOption("Row " + std::to_string(row), "Fixture row " + std::to_string(row) + ".", {});
        }
    });
    if (fixtureInitialize) {
        fixtureInitialize();
    }
}
