// The player's attribute cores, built from what the game answers each time
// the page is shown: one row per core with its value at the right. Select
// fills a core; a full one cannot be filled and shows a tick.
#include "examples/ExamplePage.h"

#include "menu/Menu.h"

#include <cstdint>
#include <string>

namespace {

struct Core {
    const char* name;
    std::int32_t index; // as the game numbers its cores
};

constexpr Core Cores[] = {{"Health", 0}, {"Stamina", 1}, {"Dead Eye", 2}};
constexpr std::int32_t FullCore = 100;

std::uint32_t PlayerCharacter() {
    return NativeInvoker::Invoke<std::uint32_t>(native::GetPlayerCharacter);
}

void FillCore(std::int32_t core) {
    NativeInvoker::Invoke(native::SetAttributeCoreValue, PlayerCharacter(), core, FullCore);
    menuController->RefreshSubmenu(CoresPageId);
}

void AddCoreRows(Menu::Submenu* page) {
    const std::uint32_t character = PlayerCharacter();
    for (const Core& core : Cores) {
        const auto value =
            NativeInvoker::Invoke<std::int32_t>(native::GetAttributeCoreValue, character, core.index);
        const bool full = value >= FullCore;
        Menu::Option& row = page->AddOption(
            core.name, full ? std::string("Full.") : std::string("Fills the ") + core.name + " core.",
            [index = core.index] { FillCore(index); });
        row.rightText = std::to_string(value) + "/100";
        if (full) {
            row.isDisabled = true;
            row.badgeDictionary = "generic_textures";
            row.badgeTexture = "tick";
        }
    }
}

} // namespace

void RegisterCoresPage() {
    menuController->AddDynamicSubmenu(CoresPageId, "Example", "Cores", AddCoreRows);
}
