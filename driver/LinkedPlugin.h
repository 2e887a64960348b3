// A plug-in linked into the program keeps its load-time state from one test,
// fuzz input or benchmark to the next; this puts it back to what the load
// built. Header-only: each program links the plug-in its own way.
#pragma once

#include "host/KeyStates.h"
#include "host/ProcessState.h"

#include <cstdint>

namespace sim {

struct LoadTimeScreen {
    float width = screenWidth;
    float height = screenHeight;
    float pitch = rowPitch;
    std::int32_t window = windowWidth;
};

// Taken at the first reset, before anything has changed the screen.
inline const LoadTimeScreen& LoadTimeScreenMetrics() {
    static const LoadTimeScreen metrics;
    return metrics;
}

inline void ResetLinkedPlugin() {
    const LoadTimeScreen& screen = LoadTimeScreenMetrics();
    menuController.reset();
    submenuRegistry.clear();
    screenWidth = screen.width;
    screenHeight = screen.height;
    rowPitch = screen.pitch;
    windowWidth = screen.window;
    for (KeyState& entry : keyStates.entries) {
        entry = KeyState{};
    }
}

} // namespace sim
