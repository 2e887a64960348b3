// A host that stores nothing: the hook's and Windows' functions answer at
// once, natives with 0 or a fixed handle, so what a frame costs is what the
// plug-in itself does plus the bare calling sequence.
#pragma once

#include "host/Platform.h"

#include <cstdint>

struct CallStream;

namespace nullhost {

// Answers that keep a frame on its common path: keyboard and mouse in use,
// two prompts, one game string for every text, one player character.
inline constexpr std::uint64_t FirstPromptHandle = 1;
inline constexpr std::uint64_t GameStringHandle = 0x5000;
inline constexpr std::uint64_t PlayerCharacter = 0x40;
inline constexpr DWORD TickCount = 1000000;
// Where the mouse's cursor stands, fractions of the screen: on the fourth voice row.
inline constexpr float CursorX = 0.1f;
inline constexpr float CursorY = 0.4f;

// Forgets registrations and the call in progress.
void Reset();
// Attaches the linked plug-in and runs its script routine up to its first wait:
// start-up and one frame tick.
void LoadAndRunToFirstWait();
// A key going down and coming up through the registered keyboard handler.
void TapKey(DWORD key);
// Until the next call, control just pressed answers true for this control
// (0: for none).
void PressControl(std::uint32_t control);

// While set, every native call made is appended to the stream.
void RecordInto(CallStream* stream);
// getGlobalPtr calls so far; a recorded stream does not hold them.
std::uint64_t GlobalLookups();

} // namespace nullhost
