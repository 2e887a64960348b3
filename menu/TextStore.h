// Texts handed to the game during one frame.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace Menu {

// The game may read a text it was handed until it has drawn the frame, so
// each stays in place until the next Reset. Slots and their memory are kept
// and reused, so a frame like the last one allocates nothing.
struct TextStore {
    // A cleared text that stays valid and in place until the next Reset.
    std::string& Next();
    // Called at the start of each frame tick: last frame's texts are done with.
    void Reset() { used = 0; }

    std::deque<std::string> slots; // a deque: growing it never moves a slot
    std::size_t used = 0;
};

extern TextStore frameTexts;

} // namespace Menu
