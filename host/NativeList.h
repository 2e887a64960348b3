// Every game native the plug-in calls, once: QDT_NATIVE(constant, hash,
// public name, argument kinds, result kind). The public name is NAMESPACE::NAME
// as the reference of the game's natives gives it, so a record can be looked
// up there. Included by host/Natives.h for the hashes and by the stand-in for
// the rest, so the plug-in holds no names. The kinds are letters, one per
// argument (sim/NativeTable.h lists them); `qdt_natives --db FILE add NAME`
// writes a line from the reference and `check` compares the list with it.
// Append new natives: the fuzzer's inputs pick answered natives by position.
// No include guard: each includer defines QDT_NATIVE first.

// Input.
QDT_NATIVE(InputDeviceQuery, 0xa571d46727e2b718, "PAD::IS_USING_KEYBOARD_AND_MOUSE", "i", 'b')
QDT_NATIVE(ControlPressedDisabledAware, 0xe2587f8cbbd87b1d, "PAD::IS_DISABLED_CONTROL_PRESSED", "ic", 'b')
QDT_NATIVE(ControlJustReleased, 0x50f940259d3841e6, "PAD::IS_CONTROL_JUST_RELEASED", "ic", 'b')
QDT_NATIVE(ControlJustPressed, 0x580417101ddb492f, "PAD::IS_CONTROL_JUST_PRESSED", "ic", 'b')
QDT_NATIVE(ControlJustPressedDisabledAware, 0x91aef906bca88877, "PAD::IS_DISABLED_CONTROL_JUST_PRESSED", "ic",
           'b')
QDT_NATIVE(DisableControl, 0xfe99b66d079cf6bc, "PAD::DISABLE_CONTROL_ACTION", "ici", '-')

// Prompts.
QDT_NATIVE(PromptValid, 0x347469fbdd1589a9, "HUD::_UI_PROMPT_IS_VALID", "h", 'b')
QDT_NATIVE(PromptActive, 0x546e342e01de71cf, "HUD::_UI_PROMPT_IS_ACTIVE", "h", 'b')
QDT_NATIVE(PromptPressCompleted, 0xc92ac953f0a982ae, "HUD::_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED", "hi", 'b')
QDT_NATIVE(BeginPrompt, 0x04f97de45a519419, "HUD::_UI_PROMPT_REGISTER_BEGIN", "", 'h')
QDT_NATIVE(SetPromptControl, 0xb5352b7494a08258, "HUD::_UI_PROMPT_SET_CONTROL_ACTION", "hc", '-')
QDT_NATIVE(SetPromptPriority, 0xca24f528d0d16289, "HUD::_UI_PROMPT_SET_PRIORITY", "hi", '-')
QDT_NATIVE(SetPromptText, 0x5dd02a8318420dd7, "HUD::_UI_PROMPT_SET_TEXT", "hg", '-')
QDT_NATIVE(SetPromptStandardMode, 0xcc6656799977741b, "HUD::_UI_PROMPT_SET_STANDARD_MODE", "hi", '-')
QDT_NATIVE(SetPromptAttribute, 0x560e76d5e2e1803f, "HUD::_UI_PROMPT_SET_ATTRIBUTE", "hii", '-')
QDT_NATIVE(EndPrompt, 0xf7aa2696a22ad8b9, "HUD::_UI_PROMPT_REGISTER_END", "h", '-')
QDT_NATIVE(SetPromptVisible, 0x71215accfde075ee, "HUD::_UI_PROMPT_SET_VISIBLE", "hb", '-')
QDT_NATIVE(SetPromptEnabled, 0x8a0fb4d03a630d21, "HUD::_UI_PROMPT_SET_ENABLED", "hb", '-')

// Text and sprites.
QDT_NATIVE(MakeLiteralGameString, 0xfa925ac00eb830b9, "MISC::VAR_STRING", "itt", 'g')
QDT_NATIVE(SetTextColour, 0x16fa5ce47f184f1e, "UIDEBUG::_BG_SET_TEXT_COLOR", "iiii", '-')
QDT_NATIVE(DisplayText, 0x16794e044c9efb58, "UIDEBUG::_BG_DISPLAY_TEXT", "gff", '-')
QDT_NATIVE(PrepareSpriteDraw, 0xcfcc78391c8b3814, "GRAPHICS::SET_SCRIPT_GFX_DRAW_ORDER", "i", '-')
QDT_NATIVE(DrawSprite, 0xc9884ecade94cb34, "GRAPHICS::DRAW_SPRITE", "ttfffffiiiii", '-')

// Player and voice.
QDT_NATIVE(GetPlayerCharacter, 0x096275889b8e0ee0, "PLAYER::PLAYER_PED_ID", "", 'h')
QDT_NATIVE(SetNonVerbalVoiceByName, 0x6c8065a3b780185b, "AUDIO::SET_AMBIENT_VOICE_NAME", "ht", '-')
QDT_NATIVE(HashOfName, 0xfd340785adf8cfb7, "MISC::GET_HASH_KEY", "t", 'u')
QDT_NATIVE(SetVoiceByHash, 0x2703efb583f0949a, "AUDIO::_SET_VOFX_PED_VOICE", "hu", '-')

// HUD and sounds.
QDT_NATIVE(RadarDisplaySwitch, 0x1b3da717b9aff828, "MAP::DISPLAY_RADAR", "i", '-')
QDT_NATIVE(StopFrontendSound, 0x0f2a2175734926d8, "AUDIO::_STOP_SOUND_WITH_NAME", "tt", '-')
QDT_NATIVE(PlayFrontendSound, 0x67c540aa08e4a6f5, "AUDIO::PLAY_SOUND_FRONTEND", "ttii", '-')

// Natives only pages call; the example page reads the clock.
QDT_NATIVE(GetClockHours, 0xc82cf208c2b19199, "CLOCK::GET_CLOCK_HOURS", "", 'i')

// Natives the example module's pages call: the clock, the player's stamina
// and the attribute cores.
QDT_NATIVE(SetClockTime, 0x3a52c59ffb2deed8, "CLOCK::SET_CLOCK_TIME", "iii", '-')
QDT_NATIVE(PlayerId, 0x217e9dc48139933d, "PLAYER::PLAYER_ID", "", 'h')
QDT_NATIVE(RestorePlayerStamina, 0xc41f4b6e23fe6a4a, "PLAYER::RESTORE_PLAYER_STAMINA", "hf", '-')
QDT_NATIVE(GetAttributeCoreValue, 0x36731ac041289bb1, "ATTRIBUTE::_GET_ATTRIBUTE_CORE_VALUE", "hi", 'i')
QDT_NATIVE(SetAttributeCoreValue, 0xc6258f41d86676e0, "ATTRIBUTE::_SET_ATTRIBUTE_CORE_VALUE", "hii", '-')

// The mouse and the game's on-screen keyboard, named as modders know them.
QDT_NATIVE(SetMouseCursorThisFrame, 0xf12e4ccaf249dc10, "INTERACTION::SET_MOUSE_CURSOR_THIS_FRAME", "", '-')
QDT_NATIVE(DisabledControlNormal, 0x11e65974a982637c, "PAD::GET_DISABLED_CONTROL_NORMAL", "ic", 'f')
QDT_NATIVE(DisabledControlJustReleased, 0x305c8dcd79da8b0f, "PAD::IS_DISABLED_CONTROL_JUST_RELEASED", "ic",
           'b')
QDT_NATIVE(DisplayOnscreenKeyboard, 0x044131118d8db3cd, "MISC::DISPLAY_ONSCREEN_KEYBOARD", "itttttti", '-')
QDT_NATIVE(UpdateOnscreenKeyboard, 0x37df360f235a3893, "MISC::UPDATE_ONSCREEN_KEYBOARD", "", 'i')
QDT_NATIVE(OnscreenKeyboardResult, 0xafb4cf58a4a292b1, "MISC::GET_ONSCREEN_KEYBOARD_RESULT", "", 't')
