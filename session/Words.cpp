#include "session/Words.h"

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

char Unescaped(char c) {
    switch (c) {
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return c;
    }
}

} // namespace

std::size_t ClosingQuote(std::string_view text, std::size_t open) {
    for (std::size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == '"') {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string_view WithoutComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#') {
            return line.substr(0, i);
        }
        if (line[i] == '"') {
            const std::size_t close = ClosingQuote(line, i);
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
            const std::size_t close = ClosingQuote(line, i);
            if (close == std::string_view::npos) {
                throw std::invalid_argument("a quote is left open");
            }
            for (std::size_t j = i + 1; j < close; ++j) {
                word.text += line[j] == '\\' ? Unescaped(line[++j]) : line[j];
            }
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
            const std::size_t close = ClosingQuote(text, i);
            i = close == std::string_view::npos ? text.size() - 1 : close;
        } else if (i == text.size() || text[i] == ',') {
            parts.emplace_back(Trimmed(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    return parts;
}

} // namespace session
