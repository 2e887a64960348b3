// Reading the quoted texts of a session line: a comment starts at a "#" that
// stands outside quotes, and a quoted text escapes its quote and backslash as
// sim::Describe writes them, so a label copied from a record reads back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace session {

// The line without its comment.
std::string_view WithoutComment(std::string_view line);

struct Word {
    std::string text; // unescaped when quoted
    bool quoted = false;
};

// Words apart by blanks, a quoted text one word. Throws std::invalid_argument
// on a quote left open.
std::vector<Word> SplitWords(std::string_view line);

// The parts between top-level commas, each trimmed; commas inside quotes stay.
std::vector<std::string> SplitArguments(std::string_view text);

// Where the quote opened at text[open] closes, or npos.
std::size_t ClosingQuote(std::string_view text, std::size_t open);

} // namespace session
