#include "tools/render/Utf8.h"

#include <cstdint>

namespace render {

std::size_t Utf8CharacterLength(std::string_view text, std::size_t at) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        code = lead & 0x1fu;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        code = lead & 0x0fu;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xc0u) != 0x80u) {
            return 0;
        }
        code = (code << 6) | (byte(at + i) & 0x3fu);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    return code >= smallest[length] && code <= 0x10ffff && !surrogate ? length : 0;
}

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8CharacterLength(text, at);
        if (length != 0) {
            valid.append(text.substr(at, length));
            at += length;
        } else {
            valid.append(ReplacementCharacter);
            ++at;
        }
    }
    return valid;
}

} // namespace render
