#include "sim/NativeTable.h"

#include "host/Natives.h"

#include <algorithm>
#include <array>

namespace sim {
namespace {

constexpr std::array natives = {
    NativeInfo{Native::GetPlayerCharacter, "get_player_character", "", 'h'},
    NativeInfo{Native::SetNonVerbalVoiceByName, "set_non_verbal_voice", "ht", '-'},
    NativeInfo{Native::HashOfName, "hash_of_name", "t", 'u'},
    NativeInfo{Native::SetVoiceByHash, "set_voice_by_hash", "hu", '-'},
    NativeInfo{Native::GetClockHours, "get_clock_hours", "", 'i'},
    NativeInfo{Native::RadarDisplaySwitch, "radar_display_switch", "i", '-'},
    NativeInfo{Native::InputDeviceQuery, "input_device_query", "i", 'b'},
    NativeInfo{Native::ControlPressedDisabledAware, "control_pressed_disabled_aware", "iu", 'b'},
    NativeInfo{Native::ControlJustReleased, "control_just_released", "iu", 'b'},
    NativeInfo{Native::ControlJustPressed, "control_just_pressed", "iu", 'b'},
    NativeInfo{Native::ControlJustPressedDisabledAware, "control_just_pressed_disabled_aware", "iu", 'b'},
    NativeInfo{Native::DisableControl, "disable_control", "iui", '-'},
    NativeInfo{Native::StopFrontendSound, "stop_frontend_sound", "tt", '-'},
    NativeInfo{Native::PlayFrontendSound, "play_frontend_sound", "ttii", '-'},
    NativeInfo{Native::PromptValid, "prompt_valid", "h", 'b'},
    NativeInfo{Native::PromptActive, "prompt_active", "h", 'b'},
    NativeInfo{Native::PromptPressCompleted, "prompt_press_completed", "hi", 'b'},
    NativeInfo{Native::BeginPrompt, "begin_prompt", "", 'h'},
    NativeInfo{Native::SetPromptControl, "set_prompt_control", "hu", '-'},
    NativeInfo{Native::SetPromptPriority, "set_prompt_priority", "hi", '-'},
    NativeInfo{Native::SetPromptText, "set_prompt_text", "hg", '-'},
    NativeInfo{Native::SetPromptStandardMode, "set_prompt_standard_mode", "hi", '-'},
    NativeInfo{Native::SetPromptAttribute, "set_prompt_attribute", "hii", '-'},
    NativeInfo{Native::EndPrompt, "end_prompt", "h", '-'},
    NativeInfo{Native::SetPromptVisible, "set_prompt_visible", "hb", '-'},
    NativeInfo{Native::SetPromptEnabled, "set_prompt_enabled", "hb", '-'},
    NativeInfo{Native::MakeLiteralGameString, "make_literal_game_string", "itt", 'g'},
    NativeInfo{Native::SetTextColour, "set_text_colour", "iiii", '-'},
    NativeInfo{Native::DisplayText, "display_text", "gff", '-'},
    NativeInfo{Native::PrepareSpriteDraw, "prepare_sprite_draw", "i", '-'},
    NativeInfo{Native::DrawSprite, "draw_sprite", "ttfffffiiiii", '-'},
};

} // namespace

const NativeInfo* FindNative(std::uint64_t hash) {
    const auto found = std::find_if(natives.begin(), natives.end(),
                                    [hash](const NativeInfo& info) { return info.hash == hash; });
    return found != natives.end() ? &*found : nullptr;
}

} // namespace sim
