#include "voices/VoiceMenu.h"

#include "menu/Menu.h"

#include <cstdint>

namespace {

struct Voice {
    const char* rowText;
    const char* description;
    const char* nonVerbalVoice;
    const char* voice;
};

#define QDT_VOICE(suffix)                                                                                    \
    Voice {                                                                                                  \
        "Set voice: VOFX_PLAYER_" suffix, "Sets the player's voice to VOFX_PLAYER_" suffix ".",              \
            "GENERIC_NONVERBAL_PLAYER_" suffix, "VOFX_PLAYER_" suffix                                        \
    }

constexpr Voice voices[] = {
    QDT_VOICE("MALE01"),   QDT_VOICE("MALE02"),   QDT_VOICE("MALE03"),
    QDT_VOICE("FEMALE01"), QDT_VOICE("FEMALE02"), QDT_VOICE("FEMALE03"),
};

#undef QDT_VOICE

// One action per row, without captured state: the row's names are template
// arguments, so each action is a plain function.
template <std::size_t Row> void ApplyVoice() {
    using NativeInvoker::Invoke;
    constexpr const Voice& voice = voices[Row];
    const auto first = Invoke<std::uint32_t>(native::GetPlayerCharacter);
    Invoke(native::SetNonVerbalVoiceByName, first, voice.nonVerbalVoice);
    const auto voiceHash = Invoke<std::uint32_t>(native::HashOfName, voice.voice);
    const auto second = Invoke<std::uint32_t>(native::GetPlayerCharacter);
    Invoke(native::SetVoiceByHash, second, voiceHash);
}

constexpr void (*voiceActions[])() = {ApplyVoice<0>, ApplyVoice<1>, ApplyVoice<2>,
                                      ApplyVoice<3>, ApplyVoice<4>, ApplyVoice<5>};
static_assert(std::size(voiceActions) == std::size(voices));

} // namespace

void AddVoiceOptions(Menu::Submenu* submenu) {
    for (std::size_t row = 0; row < std::size(voices); ++row) {
        submenu->AddOption(voices[row].rowText, voices[row].description, voiceActions[row]);
    }
}
