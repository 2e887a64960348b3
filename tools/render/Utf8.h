// Cairo refuses a string that is not well-formed UTF-8 and then draws nothing
// more on its context: texts from a plug-in are drawn with each malformed byte
// shown as the replacement character instead.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace render {

inline constexpr std::string_view ReplacementCharacter = "\xef\xbf\xbd"; // U+FFFD

// The length of the well-formed UTF-8 character at text[at], or 0.
std::size_t Utf8CharacterLength(std::string_view text, std::size_t at);

// The text with each byte that starts no well-formed character replaced.
std::string ValidUtf8(std::string_view text);

} // namespace render
