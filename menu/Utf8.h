// Texts handed to the game are valid UTF-8, whatever a plug-in or the game gave the menu.
#pragma once

#include <cstddef>

namespace Menu {

// The length of the UTF-8 character starting at text[at] (all of it before
// end), or 0 when the bytes there are no valid character: no stray
// continuation byte, no overlong form, no surrogate, nothing past U+10FFFF.
std::size_t Utf8Length(const unsigned char* text, std::size_t at, std::size_t end);

// Each byte that is not part of a valid character becomes '?', in place, so
// the text keeps its length.
void ReplaceInvalidUtf8(char* text, std::size_t length);

} // namespace Menu
