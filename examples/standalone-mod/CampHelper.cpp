// The mod's one page: a toggle, and an action that asks the game to fill the
// player's stamina core.
#include "menu/Menu.h"

#include <cstdint>

namespace {

// A toggle's target outlives the page.
bool campfireLit = false;

constexpr std::int32_t StaminaCore = 1; // as the game numbers its cores
constexpr std::int32_t FullCore = 100;

void FillStamina() {
    const auto character = NativeInvoker::Invoke<std::uint32_t>(native::GetPlayerCharacter);
    NativeInvoker::Invoke(native::SetAttributeCoreValue, character, StaminaCore, FullCore);
}

} // namespace

void InitializeMenu() {
    menuController->AddSubmenu(0, "Camp Helper", "Main Menu", [](Menu::Submenu* page) {
        page->AddToggle("Campfire lit", "Lights the campfire.", &campfireLit);
        page->AddOption("Fill stamina", "Fills the stamina core.", FillStamina);
    });
}
