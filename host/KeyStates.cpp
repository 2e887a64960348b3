#include "host/KeyStates.h"

#include <thread>

namespace {

class TableLock {
  public:
    TableLock() {
        while (keyStates.lock.test_and_set(std::memory_order_acquire)) {
            std::this_thread::yield();
        }
    }
    ~TableLock() { keyStates.lock.clear(std::memory_order_release); }
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;
};

bool IsEmpty(const KeyState& state) {
    return state.time == 0 && state.withAlt == 0 && state.wasDownBefore == 0 && state.isUpNow == 0;
}

// Elapsed time in unsigned arithmetic stays right across the 49.7-day wrap of
// the tick count, where a "time + window" deadline would wrap first.
bool IsWithin(const KeyState& state, std::uint32_t now, std::uint32_t windowMs) {
    return now - state.time < windowMs;
}

} // namespace

void KeyboardHandler(DWORD key, WORD, BYTE, BOOL, BOOL isWithAlt, BOOL wasDownBefore, BOOL isUpNow) {
    if (key >= KeyStateCount) {
        return;
    }
    const std::uint32_t now = GetTickCount();
    TableLock guard;
    KeyState& state = keyStates.entries[key];
    state.time = now;
    state.withAlt = isWithAlt;
    state.wasDownBefore = wasDownBefore;
    state.isUpNow = isUpNow;
}

bool ConsumeKeyRelease(std::uint32_t key, std::uint32_t windowMs) {
    if (key >= KeyStateCount) {
        return false;
    }
    const std::uint32_t now = GetTickCount();
    TableLock guard;
    KeyState& state = keyStates.entries[key];
    if (state.isUpNow != 0 && IsWithin(state, now, windowMs)) {
        state = KeyState{};
        return true;
    }
    return false;
}

bool IsKeyHeld(std::uint32_t key, std::uint32_t windowMs) {
    if (key >= KeyStateCount) {
        return false;
    }
    const std::uint32_t now = GetTickCount();
    TableLock guard;
    const KeyState& state = keyStates.entries[key];
    return !IsEmpty(state) && state.isUpNow == 0 && IsWithin(state, now, windowMs);
}

KeyState ReadKeyState(std::uint32_t key) {
    if (key >= KeyStateCount) {
        return {};
    }
    TableLock guard;
    return keyStates.entries[key];
}
