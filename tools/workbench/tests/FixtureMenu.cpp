// The workbench tests' own plug-in, built in place of voices/MainMenu.cpp, so
// they stay as they are when the shipped main page changes: six rows, each of
// which gives the player a voice named after its row.
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/Menu.h"

#include <cstdint>
#include <string>

namespace {

constexpr const char* rowVoices[] = {"FIXTURE_VOICE_1", "FIXTURE_VOICE_2", "FIXTURE_VOICE_3",
                                     "FIXTURE_VOICE_4", "FIXTURE_VOICE_5", "FIXTURE_VOICE_6"};

void ApplyVoice(const char* voice) {
    using NativeInvoker::Invoke;
    const auto player = Invoke<std::uint32_t>(native::GetPlayerCharacter);
    Invoke(native::SetVoiceByHash, player, Invoke<std::uint32_t>(native::HashOfName, voice));
}

} // namespace

void InitializeMenu() {
    menuController->AddSubmenu(0, "Workbench Fixture", "Main page", [](Menu::Submenu* main) {
        int row = 0;
        for (const char* voice : rowVoices) {
            ++row;
            main->AddOption("Row " + std::to_string(row), std::string("Gives the player ") + voice + ".",
                            [voice] { ApplyVoice(voice); });
        }
    });
}
