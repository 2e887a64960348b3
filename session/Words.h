// Reading the words of a session line: a comment starts at a "#" that stands
// outside quotes, and a quoted text is read back as sim/Quoting.h writes it,
// so a label copied from a record or a recorded session reads back.
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

// Keywords read in any case: the text in lower case.
std::string Lowered(std::string_view text);

} // namespace session
