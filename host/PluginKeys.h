// The keyboard keys the plug-in reads, as Windows virtual-key codes, and the
// names a player writes them by (the settings file, sessions). The plug-in,
// the stand-in's tools and the tests all name them from here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plugin_keys {

inline constexpr std::uint32_t Toggle = 0x77; // F8: opens and closes the menu, unless the settings rebind it
inline constexpr std::uint32_t FastStep = 0x10; // Shift: held, up and down step ten rows at a time

inline constexpr std::uint32_t F1 = 0x70;
inline constexpr std::uint32_t F12 = 0x7b;

// "F1".."F12", "A".."Z", "0".."9" (letters in either case), or a code as
// "0x75" (0x01..0xFE); nothing for any other name.
inline std::optional<std::uint32_t> KeyOfName(std::string_view name) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (name.empty()) {
        return std::nullopt;
    }
    if (name.size() == 1) {
        const char c = upper(name[0]);
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            return static_cast<std::uint32_t>(c); // the codes of letters and digits are their ASCII
        }
        return std::nullopt;
    }
    if (name.size() <= 3 && upper(name[0]) == 'F') {
        std::uint32_t number = 0;
        for (const char c : name.substr(1)) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            number = number * 10 + static_cast<std::uint32_t>(c - '0');
        }
        if (number >= 1 && number <= F12 - F1 + 1 && name[1] != '0') {
            return F1 + number - 1;
        }
        return std::nullopt;
    }
    if (name.size() >= 3 && name.size() <= 4 && name[0] == '0' && upper(name[1]) == 'X') {
        std::uint32_t code = 0;
        for (const char c : name.substr(2)) {
            const char u = upper(c);
            const bool digit = u >= '0' && u <= '9';
            if (!digit && !(u >= 'A' && u <= 'F')) {
                return std::nullopt;
            }
            code = code * 16 + static_cast<std::uint32_t>(digit ? u - '0' : u - 'A' + 10);
        }
        if (code >= 0x01 && code <= 0xfe) {
            return code;
        }
    }
    return std::nullopt;
}

// The name a key is written by: the way KeyOfName reads it back.
inline std::string NameOfKey(std::uint32_t key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= F1 && key <= F12) {
        return std::string(1, 'F').append(std::to_string(key - F1 + 1));
    }
    constexpr char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[(key >> 4) & 0xf] + digits[key & 0xf];
}

} // namespace plugin_keys

// The name 1.0 gave it, so pages written then still build.
namespace PluginKeys = plugin_keys;
