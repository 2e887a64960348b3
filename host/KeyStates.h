// The last keyboard event of each key, written by the host's key thread and
// read by the script routine.
#pragma once

#include "host/Platform.h"

#include <atomic>
#include <cstdint>

struct KeyState {
    std::uint32_t time = 0; // GetTickCount when the event arrived
    std::int32_t withAlt = 0;
    std::int32_t wasDownBefore = 0;
    std::int32_t isUpNow = 0;
};

inline constexpr std::uint32_t KeyStateCount = 255;

// One lock guards the whole table; the handler holds it only to copy four
// words, so a spin lock never waits long and never allocates.
struct KeyStateTable {
    KeyState entries[KeyStateCount] = {};
    std::atomic_flag lock = ATOMIC_FLAG_INIT;
};

// Process-wide state, defined with the rest of it in host/ProcessState.cpp.
extern KeyStateTable keyStates;

void KeyboardHandler(DWORD key, WORD repeats, BYTE scanCode, BOOL isExtended, BOOL isWithAlt,
                     BOOL wasDownBefore, BOOL isUpNow);

// True when the key's last event is a release younger than the window; the
// entry is cleared then, so each release counts once.
bool ConsumeKeyRelease(std::uint32_t key, std::uint32_t windowMs);

// True when the key's last event is a press younger than the window.
bool IsKeyHeld(std::uint32_t key, std::uint32_t windowMs);

// A copy of one entry, taken under the lock.
KeyState ReadKeyState(std::uint32_t key);
