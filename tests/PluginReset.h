// The linked plug-in's load-time state outlives each test and each fuzz
// input; this puts it back to what a fresh load would build.
#pragma once

#include "host/KeyStates.h"
#include "host/ProcessState.h"

inline void ResetLinkedPlugin() {
    menuController.reset();
    submenuRegistry.clear();
    windowWidth = 1920;
    for (KeyState& entry : keyStates.entries) {
        entry = KeyState{};
    }
}
