// The module the kept-place tests rebuild: built twice, as two builds of one
// source differ, by the label of one row (QDT_PLACE_LABEL). Its own pages, so
// a change to the plug-in's main page leaves the tests alone.
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/Menu.h"

#include <cstdint>

namespace {

bool gridShown = false;

void SpeakUp() {
    using NativeInvoker::Invoke;
    const auto character = Invoke<std::uint32_t>(native::GetPlayerCharacter);
    Invoke(native::SetVoiceByHash, character, Invoke<std::uint32_t>(native::HashOfName, "VOFX_PLACE_TEST"));
}

} // namespace

void InitializeMenu() {
    menuController->AddSubmenu(0, "Place Test", "Main page", [](Menu::Submenu* main) {
        main->AddOption("Filler", "Does nothing.", [] {});
        main->AddSubmenuLink("Tools", "Opens page 4.", 4);
    });
    menuController->AddSubmenu(4, "Place Test", "Tools", [](Menu::Submenu* page) {
        page->AddToggle("Show grid", "Select flips it.", &gridShown);
        page->AddList("Speed", "Left and right step.", {"Slow", "Normal", "Fast"});
        page->AddOption("Speak up", "Sets the player's voice.", SpeakUp);
        page->AddOption(QDT_PLACE_LABEL, "The row whose label the rebuild changes.", [] {});
        page->AddOption("The \"last\" row", "Nothing more; its label is quoted escaped.", [] {});
    });
}
