#include "examples/ExamplePage.h"

#include "menu/Menu.h"

#include <cstdint>
#include <string>

namespace {

// A toggle's target outlives the page: the page itself is moved after init.
bool hintsShown = false;
// So does a text row's string.
std::string nickname = "Arthur";

// Each action reads its own row through Menu::SelectedRow() and writes what
// it saw into the row's description, which shows while the row is selected.
void ShowHintsState() {
    if (Menu::Option* row = Menu::SelectedRow()) {
        const bool on = row->toggleTarget != nullptr && *row->toggleTarget;
        row->description = on ? "Hints are shown." : "Hints are hidden.";
    }
}

void ShowGreeting() {
    if (Menu::Option* row = Menu::SelectedRow()) {
        row->description = "Value " + std::to_string(row->listIndex + 1) + " of " +
                           std::to_string(row->listValues.size()) + ": " + row->valueText + ".";
    }
}

void ReadClock() {
    const auto hours = NativeInvoker::Invoke<std::int32_t>(native::GetClockHours);
    if (Menu::Option* row = Menu::SelectedRow()) {
        row->description = "The game's clock says " + std::to_string(hours) + " o'clock.";
    }
}

void ShowNickname() {
    if (Menu::Option* row = Menu::SelectedRow()) {
        row->description = "Typed: " + nickname + ".";
    }
}

void AddExampleRows(Menu::Submenu* page) {
    page->AddToggle("Show hints", "Select flips it.", &hintsShown, ShowHintsState);
    page->AddList("Greeting", "Left and right step through three values.", {"Howdy", "Evening", "Farewell"},
                  1, ShowGreeting);
    page->AddTextEntry("Nickname", "Select types a new one.", &nickname, 20, ShowNickname);
    page->AddSeparator("Actions");
    page->AddOption("Read the clock", "Asks the game for the hour.", ReadClock);
    page->AddSubmenuLink("Second page", "Opens one more page; Back returns here.", ExampleSecondPageId);
    page->AddSubmenuLink("Horses", "Two thousand rows: Page Up and Down, and a filter.", HorsesPageId);
    page->AddSeparator("A small mod");
    page->AddSubmenuLink("Camp", "The clock, sleep and stamina.", CampPageId);
    page->AddSubmenuLink("Cores", "Health, stamina and dead eye, as the game has them.", CoresPageId);
}

void AddSecondPageRows(Menu::Submenu* page) {
    page->AddOption("Nothing here", "Back returns to the example page.", {});
}

} // namespace

void RegisterExamplePages() {
    menuController->AddSubmenu(ExamplePageId, "Example", "Example page", AddExampleRows);
    menuController->AddSubmenu(ExampleSecondPageId, "Example", "Second page", AddSecondPageRows);
    RegisterCampPage();
    RegisterCoresPage();
    RegisterHorsesPage();
}
