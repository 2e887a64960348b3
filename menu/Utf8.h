// Texts handed to the game are valid UTF-8, whatever a plug-in or the game gave the menu.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace Menu {

// The length of the UTF-8 character starting at text[at] (all of it before
// end), or 0 when the bytes there are no valid character: no stray
// continuation byte, no overlong form, no surrogate, nothing past U+10FFFF.
std::size_t Utf8Length(const unsigned char* text, std::size_t at, std::size_t end);

// Each byte that is not part of a valid character becomes '?', in place, so
// the text keeps its length.
void ReplaceInvalidUtf8(char* text, std::size_t length);

// Each byte's high bit, which only non-ASCII bytes have: a word of text
// masked by it is zero when all eight are ASCII.
inline constexpr std::uint64_t HighBits = 0x8080808080808080u;

// Whether no byte has its high bit set: such a text is valid as it stands.
// Inline and a few loads long (the last word may overlap the one before),
// as names handed to the game in every frame are checked so.
inline bool IsAscii(const char* text, std::size_t length) {
    std::uint64_t any = 0;
    if (length >= sizeof(std::uint64_t)) {
        std::uint64_t first = 0;
        std::uint64_t last = 0;
        std::memcpy(&first, text, sizeof first);
        std::memcpy(&last, text + length - sizeof last, sizeof last);
        any = first | last;
        for (std::size_t at = sizeof first; at + sizeof last < length; at += sizeof last) {
            std::memcpy(&last, text + at, sizeof last);
            any |= last;
        }
    } else if (length >= sizeof(std::uint32_t)) {
        std::uint32_t first = 0;
        std::uint32_t last = 0;
        std::memcpy(&first, text, sizeof first);
        std::memcpy(&last, text + length - sizeof last, sizeof last);
        any = first | last;
    } else {
        for (std::size_t at = 0; at < length; ++at) {
            any |= static_cast<unsigned char>(text[at]);
        }
    }
    return (any & HighBits) == 0;
}

// ReplaceInvalidUtf8 over a whole string, which an ASCII one skips.
inline void MakeValidUtf8(std::string& text) {
    if (!IsAscii(text.data(), text.size())) {
        ReplaceInvalidUtf8(text.data(), text.size());
    }
}

} // namespace Menu
