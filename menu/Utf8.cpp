#include "menu/Utf8.h"

#include <cstdint>
#include <cstring>

namespace Menu {

std::size_t Utf8Length(const unsigned char* text, std::size_t at, std::size_t end) {
    const unsigned char lead = text[at];
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (end - at < length || text[at + 1] < low || text[at + 1] > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (text[at + i] < 0x80 || text[at + i] > 0xbf) {
            return 0;
        }
    }
    return length;
}

void ReplaceInvalidUtf8(char* text, std::size_t length) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    for (std::size_t at = 0; at < length;) {
        // Menu texts are mostly ASCII: eight bytes at a time while they are.
        std::uint64_t word = 0;
        if (length - at >= sizeof word) {
            std::memcpy(&word, bytes + at, sizeof word);
            if ((word & HighBits) == 0) {
                at += sizeof word;
                continue;
            }
        }
        const std::size_t character = Utf8Length(bytes, at, length);
        if (character == 0) {
            text[at] = '?';
            ++at;
        } else {
            at += character;
        }
    }
}

} // namespace Menu
