// Every game native the plug-in calls, once: QDT_NATIVE(constant, hash,
// record name, argument kinds, result kind). Included by host/Natives.h for
// the hashes and by the stand-in for the rest, so the plug-in holds no names.
// The kinds are letters, one per argument (sim/NativeTable.h lists them).
// Append new natives: the fuzzer's inputs pick answered natives by position.
// No include guard: each includer defines QDT_NATIVE first.

// Input.
QDT_NATIVE(InputDeviceQuery, 0xa571d46727e2b718, "input_device_query", "i", 'b')
QDT_NATIVE(ControlPressedDisabledAware, 0xe2587f8cbbd87b1d, "control_pressed_disabled_aware", "ic", 'b')
QDT_NATIVE(ControlJustReleased, 0x50f940259d3841e6, "control_just_released", "ic", 'b')
QDT_NATIVE(ControlJustPressed, 0x580417101ddb492f, "control_just_pressed", "ic", 'b')
QDT_NATIVE(ControlJustPressedDisabledAware, 0x91aef906bca88877, "control_just_pressed_disabled_aware", "ic",
           'b')
QDT_NATIVE(DisableControl, 0xfe99b66d079cf6bc, "disable_control", "ici", '-')

// Prompts.
QDT_NATIVE(PromptValid, 0x347469fbdd1589a9, "prompt_valid", "h", 'b')
QDT_NATIVE(PromptActive, 0x546e342e01de71cf, "prompt_active", "h", 'b')
QDT_NATIVE(PromptPressCompleted, 0xc92ac953f0a982ae, "prompt_press_completed", "hi", 'b')
QDT_NATIVE(BeginPrompt, 0x04f97de45a519419, "begin_prompt", "", 'h')
QDT_NATIVE(SetPromptControl, 0xb5352b7494a08258, "set_prompt_control", "hc", '-')
QDT_NATIVE(SetPromptPriority, 0xca24f528d0d16289, "set_prompt_priority", "hi", '-')
QDT_NATIVE(SetPromptText, 0x5dd02a8318420dd7, "set_prompt_text", "hg", '-')
QDT_NATIVE(SetPromptStandardMode, 0xcc6656799977741b, "set_prompt_standard_mode", "hi", '-')
QDT_NATIVE(SetPromptAttribute, 0x560e76d5e2e1803f, "set_prompt_attribute", "hii", '-')
QDT_NATIVE(EndPrompt, 0xf7aa2696a22ad8b9, "end_prompt", "h", '-')
QDT_NATIVE(SetPromptVisible, 0x71215accfde075ee, "set_prompt_visible", "hb", '-')
QDT_NATIVE(SetPromptEnabled, 0x8a0fb4d03a630d21, "set_prompt_enabled", "hb", '-')

// Text and sprites.
QDT_NATIVE(MakeLiteralGameString, 0xfa925ac00eb830b9, "make_literal_game_string", "itt", 'g')
QDT_NATIVE(SetTextColour, 0x16fa5ce47f184f1e, "set_text_colour", "iiii", '-')
QDT_NATIVE(DisplayText, 0x16794e044c9efb58, "display_text", "gff", '-')
QDT_NATIVE(PrepareSpriteDraw, 0xcfcc78391c8b3814, "prepare_sprite_draw", "i", '-')
QDT_NATIVE(DrawSprite, 0xc9884ecade94cb34, "draw_sprite", "ttfffffiiiii", '-')

// Player and voice.
QDT_NATIVE(GetPlayerCharacter, 0x096275889b8e0ee0, "get_player_character", "", 'h')
QDT_NATIVE(SetNonVerbalVoiceByName, 0x6c8065a3b780185b, "set_non_verbal_voice", "ht", '-')
QDT_NATIVE(HashOfName, 0xfd340785adf8cfb7, "hash_of_name", "t", 'u')
QDT_NATIVE(SetVoiceByHash, 0x2703efb583f0949a, "set_voice_by_hash", "hu", '-')

// HUD and sounds.
QDT_NATIVE(RadarDisplaySwitch, 0x1b3da717b9aff828, "radar_display_switch", "i", '-')
QDT_NATIVE(StopFrontendSound, 0x0f2a2175734926d8, "stop_frontend_sound", "tt", '-')
QDT_NATIVE(PlayFrontendSound, 0x67c540aa08e4a6f5, "play_frontend_sound", "ttii", '-')

// Natives only pages call; the example page reads the clock.
QDT_NATIVE(GetClockHours, 0xc82cf208c2b19199, "get_clock_hours", "", 'i')
