#include "session/Words.h"

#include "sim/Quoting.h"

#include <cctype>
#include <stdexcept>

namespace session {
namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && Blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && Blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::string Lowered(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

std::string_view WithoutComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#') {
            return line.substr(0, i);
        }
        if (line[i] == '"') {
            const std::size_t close = sim::ClosingQuote(line, i);
            if (close == std::string_view::npos) {
                return line; // SplitWords names the open quote
            }
            i = close;
        }
    }
    return line;
}

std::vector<Word> SplitWords(std::string_view line) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (Blank(line[i])) {
            ++i;
            continue;
        }
        Word word;
        if (line[i] == '"') {
            const std::size_t close = sim::ClosingQuote(line, i);
            if (close == std::string_view::npos) {
                throw std::invalid_argument("a quote is left open");
            }
            word.text = sim::Unescaped(line.substr(i + 1, close - i - 1));
            word.quoted = true;
            i = close + 1;
        } else {
            while (i < line.size() && !Blank(line[i])) {
                word.text += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> parts;
    if (Trimmed(text).empty()) {
        return parts;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == '"') {
            const std::size_t close = sim::ClosingQuote(text, i);
            i = close == std::string_view::npos ? text.size() - 1 : close;
        } else if (i == text.size() || text[i] == ',') {
            parts.emplace_back(Trimmed(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    return parts;
}

} // namespace session
