// Texts handed to the game during one frame.
#pragma once

#include "menu/Text.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace Menu {

// What a markup is built from besides its text. The names point into the
// font table or at literals, which stay put from load to unload.
struct MarkupKey {
    std::int64_t margin = 0;
    std::int64_t size = 0;
    std::int32_t letterSpacing = 0;
    TextAlignment alignment = TextAlignment::Left;
    const char* fontName = nullptr; // null: never built
    std::size_t fontNameLength = 0;

    bool operator==(const MarkupKey&) const = default;
};

// One text's markup, kept with what it was built from: the frame after draws
// its texts in the same order, so a markup whose key and text are the same is
// handed over again as it stands, and one whose text alone changed keeps the
// part before the text.
struct MarkupSlot {
    std::string markup;
    MarkupKey key;
    std::size_t textAt = 0; // where the text starts in markup
    std::size_t textLength = 0;
};

// The game may read a text it was handed until it has drawn the frame, so
// each stays in place until the next Reset. Slots and their memory are kept
// and reused, so a frame like the last one allocates nothing.
struct TextStore {
    // The next slot, holding what the same place in the last frame held; it
    // stays valid and in place until the next Reset.
    MarkupSlot& Next() {
        if (used == slots.size()) {
            slots.push_back(&storage.emplace_back());
        }
        return *slots[used++];
    }
    // Called at the start of each frame tick: last frame's texts are done with.
    void Reset() { used = 0; }

    std::vector<MarkupSlot*> slots; // in frame order, into storage
    std::size_t used = 0;

  private:
    std::deque<MarkupSlot> storage; // a deque: growing it never moves a slot
};

// Process-wide state, defined with the rest of it in host/ProcessState.cpp.
extern TextStore frameTexts;

} // namespace Menu
