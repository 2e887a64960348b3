#include "tools/natives/NativeList.h"

#include "tools/natives/NativesFile.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string_view>

namespace natives {
namespace {

constexpr std::string_view opening = "QDT_NATIVE(";
constexpr std::size_t columnLimit = 110;

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

// The text between a pair of quotes ('"' or '\''), or nothing if it is not one.
bool Unquoted(const std::string& field, char quote, std::string& inner) {
    if (field.size() < 2 || field.front() != quote || field.back() != quote) {
        return false;
    }
    inner = field.substr(1, field.size() - 2);
    return true;
}

ListEntry ReadEntry(std::string_view inside, int line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i <= inside.size(); ++i) {
        if (i < inside.size() && inside[i] == '"') {
            quoted = !quoted;
        }
        if (i == inside.size() || (inside[i] == ',' && !quoted)) {
            fields.push_back(Trimmed(inside.substr(start, i - start)));
            start = i + 1;
        }
    }
    ListEntry entry;
    entry.line = line;
    std::string result;
    const auto mistake = [line](const std::string& what) {
        return std::runtime_error("line " + std::to_string(line) + ": " + what);
    };
    if (fields.size() != 5) {
        throw mistake("QDT_NATIVE takes 5 fields, not " + std::to_string(fields.size()));
    }
    entry.constant = fields[0];
    if (!ReadHash(fields[1], entry.hash)) {
        throw mistake("the hash is written 0x and 16 hex digits, not " + fields[1]);
    }
    if (!Unquoted(fields[2], '"', entry.name) || !Unquoted(fields[3], '"', entry.arguments) ||
        !Unquoted(fields[4], '\'', result) || result.size() != 1) {
        throw mistake("write it QDT_NATIVE(Constant, 0x..., \"NAMESPACE::NAME\", \"kinds\", 'k')");
    }
    entry.result = result[0];
    return entry;
}

} // namespace

std::vector<ListEntry> ReadNativeList(const std::string& text) {
    std::vector<ListEntry> entries;
    std::size_t at = 0;
    int line = 1;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view current = std::string_view(text).substr(at, end - at);
        if (current.substr(0, opening.size()) == opening) {
            // An entry may go on over the next lines, up to its parenthesis.
            const std::size_t close = text.find(')', at);
            if (close == std::string::npos) {
                throw std::runtime_error("line " + std::to_string(line) + ": QDT_NATIVE( is never closed");
            }
            const std::size_t inner = at + opening.size();
            entries.push_back(ReadEntry(std::string_view(text).substr(inner, close - inner), line));
            for (std::size_t i = at; i < close; ++i) {
                line += text[i] == '\n' ? 1 : 0;
            }
            at = std::min(text.find('\n', close), text.size());
            continue;
        }
        at = end + 1;
        ++line;
    }
    return entries;
}

std::string FormatEntry(const ListEntry& entry) {
    char hash[24];
    std::snprintf(hash, sizeof hash, "0x%016llx", static_cast<unsigned long long>(entry.hash));
    const std::vector<std::string> fields = {entry.constant, hash, '"' + entry.name + '"',
                                             '"' + entry.arguments + '"',
                                             std::string{'\'', entry.result, '\''}};
    std::string out(opening);
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string ending = i + 1 == fields.size() ? ")" : ",";
        if (i > 0) {
            // Packed as clang-format packs arguments: as many a line as fit.
            if (out.size() - lineStart + 1 + fields[i].size() + ending.size() > columnLimit) {
                out += '\n';
                lineStart = out.size();
                out += std::string(opening.size(), ' ');
            } else {
                out += ' ';
            }
        }
        out += fields[i] + ending;
    }
    return out;
}

} // namespace natives
