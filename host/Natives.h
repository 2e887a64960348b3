// Hashes of the game natives the plug-in calls, by what they do.
#pragma once

#include <cstdint>

namespace Native {

// Player and voice.
inline constexpr std::uint64_t GetPlayerCharacter = 0x096275889b8e0ee0;
inline constexpr std::uint64_t SetNonVerbalVoiceByName = 0x6c8065a3b780185b;
inline constexpr std::uint64_t HashOfName = 0xfd340785adf8cfb7;
inline constexpr std::uint64_t SetVoiceByHash = 0x2703efb583f0949a;

// Clock.
inline constexpr std::uint64_t GetClockHours = 0xc82cf208c2b19199;

// HUD.
inline constexpr std::uint64_t RadarDisplaySwitch = 0x1b3da717b9aff828;

// Input.
inline constexpr std::uint64_t InputDeviceQuery = 0xa571d46727e2b718;
inline constexpr std::uint64_t ControlPressedDisabledAware = 0xe2587f8cbbd87b1d;
inline constexpr std::uint64_t ControlJustReleased = 0x50f940259d3841e6;
inline constexpr std::uint64_t ControlJustPressed = 0x580417101ddb492f;
inline constexpr std::uint64_t ControlJustPressedDisabledAware = 0x91aef906bca88877;
inline constexpr std::uint64_t DisableControl = 0xfe99b66d079cf6bc;

// Sounds.
inline constexpr std::uint64_t StopFrontendSound = 0x0f2a2175734926d8;
inline constexpr std::uint64_t PlayFrontendSound = 0x67c540aa08e4a6f5;

// Prompts.
inline constexpr std::uint64_t PromptValid = 0x347469fbdd1589a9;
inline constexpr std::uint64_t PromptActive = 0x546e342e01de71cf;
inline constexpr std::uint64_t PromptPressCompleted = 0xc92ac953f0a982ae;
inline constexpr std::uint64_t BeginPrompt = 0x04f97de45a519419;
inline constexpr std::uint64_t SetPromptControl = 0xb5352b7494a08258;
inline constexpr std::uint64_t SetPromptPriority = 0xca24f528d0d16289;
inline constexpr std::uint64_t SetPromptText = 0x5dd02a8318420dd7;
inline constexpr std::uint64_t SetPromptStandardMode = 0xcc6656799977741b;
inline constexpr std::uint64_t SetPromptAttribute = 0x560e76d5e2e1803f;
inline constexpr std::uint64_t EndPrompt = 0xf7aa2696a22ad8b9;
inline constexpr std::uint64_t SetPromptVisible = 0x71215accfde075ee;
inline constexpr std::uint64_t SetPromptEnabled = 0x8a0fb4d03a630d21;

// Text and sprites.
inline constexpr std::uint64_t MakeLiteralGameString = 0xfa925ac00eb830b9;
inline constexpr std::uint64_t SetTextColour = 0x16fa5ce47f184f1e;
inline constexpr std::uint64_t DisplayText = 0x16794e044c9efb58;
inline constexpr std::uint64_t PrepareSpriteDraw = 0xcfcc78391c8b3814;
inline constexpr std::uint64_t DrawSprite = 0xc9884ecade94cb34;

} // namespace Native
