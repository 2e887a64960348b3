// Texts in double quotes, written and read back one way wherever they appear:
// the record of native calls, sessions, their failure messages and the
// preview's summary. A quote and a backslash are escaped with a backslash,
// newline, carriage return and tab as \n \r \t and any other control byte as
// \xNN, so a quoted text always stays on its line; every other byte, UTF-8
// included, stands as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sim {

void AppendQuoted(std::string& out, std::string_view text);
std::string Quoted(std::string_view text);

// Where the quote opened at text[open] closes, or npos when it stays open.
std::size_t ClosingQuote(std::string_view text, std::size_t open);

// The text a quoted text's inside (between its quotes) stands for. A backslash
// before any other character, or before an x without two hex digits, stands
// for that character.
std::string Unescaped(std::string_view inside);

} // namespace sim
