#include "sim/Quoting.h"

#include <cstdio>

namespace sim {
namespace {

// The character a one-letter escape stands for, or 0 when the letter is none.
char EscapedBy(char letter) {
    switch (letter) {
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return 0;
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

std::string Quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    AppendQuoted(out, text);
    return out;
}

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

std::string Unescaped(std::string_view inside) {
    std::string text;
    text.reserve(inside.size());
    for (std::size_t i = 0; i < inside.size(); ++i) {
        if (inside[i] != '\\' || i + 1 == inside.size()) {
            text += inside[i];
            continue;
        }
        const char letter = inside[++i];
        const int high = i + 2 < inside.size() ? HexDigit(inside[i + 1]) : -1;
        const int low = i + 2 < inside.size() ? HexDigit(inside[i + 2]) : -1;
        if (letter == 'x' && high >= 0 && low >= 0) {
            text += static_cast<char>(high * 16 + low);
            i += 2;
        } else if (const char escaped = EscapedBy(letter)) {
            text += escaped;
        } else {
            text += letter;
        }
    }
    return text;
}

} // namespace sim
