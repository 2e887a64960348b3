// The settings file's format: "[section]" and "name = value" lines a player
// edits in Notepad. The plug-in writes it and the stand-in's tools read it,
// so both take the format from here. A setting is named "section.name" (split
// at the first dot); the lines the plug-in does not know (a comment, another
// version's keys) are kept as they were written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace settings_file {

// Larger files are not a player's settings: set aside, not read.
inline constexpr std::size_t MaxFileBytes = 64 * 1024;

struct Name {
    std::string_view section;
    std::string_view key;
};

// "camp.hour": section "camp", key "hour". No dot, or nothing on one side:
// nothing, as no line could hold it.
inline std::optional<Name> SplitName(std::string_view name) {
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size()) {
        return std::nullopt;
    }
    return Name{name.substr(0, dot), name.substr(dot + 1)};
}

inline std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
}

// Names as a player writes them: ASCII letters in either case alike.
inline bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// Whether bytes are a text file: valid UTF-8 with no control character but
// tab and the line ends.
inline bool IsText(std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte < 0x80) {
            if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
                return false;
            }
            ++at;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t least = 0;
        if ((byte & 0xe0) == 0xc0) {
            length = 2;
            least = 0x80;
        } else if ((byte & 0xf0) == 0xe0) {
            length = 3;
            least = 0x800;
        } else if ((byte & 0xf8) == 0xf0) {
            length = 4;
            least = 0x10000;
        } else {
            return false;
        }
        if (at + length > bytes.size()) {
            return false;
        }
        std::uint32_t code = byte & (0x7fu >> length);
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(bytes[at + i]);
            if ((next & 0xc0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3fu);
        }
        if (code < least || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) {
            return false;
        }
        at += length;
    }
    return true;
}

class File {
  public:
    // Every line of text, kept as written (a line cut short at the file's end
    // too); a byte-order mark Notepad may put first is kept and passed over.
    static File Parse(std::string_view text) {
        File file;
        constexpr std::string_view ByteOrderMark = "\xef\xbb\xbf";
        if (text.starts_with(ByteOrderMark)) {
            file.byteOrderMark_ = true;
            text.remove_prefix(ByteOrderMark.size());
        }
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            file.lines_.emplace_back(line);
            text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        }
        return file;
    }

    // The value of section.key as written (without the quotes Set puts
    // around a value with spaces at an end); nothing when no line holds it.
    // Where a name is written twice, the first line counts.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const {
        const std::optional<std::size_t> at = Find(section, key);
        if (!at) {
            return std::nullopt;
        }
        std::string_view value = Trimmed(ValuePart(lines_[*at]));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        return std::string(value);
    }
    std::optional<std::string> Get(std::string_view name) const {
        const std::optional<Name> split = SplitName(name);
        return split ? Get(split->section, split->key) : std::nullopt;
    }

    // Writes value into the line of section.key, or a new line at the end of
    // the section (a new section at the end of the file). Line ends in the
    // value become spaces: one setting is one line.
    void Set(std::string_view section, std::string_view key, std::string_view value) {
        std::string written(value);
        for (char& c : written) {
            if (c == '\n' || c == '\r') {
                c = ' ';
            }
        }
        if (written != Trimmed(written) ||
            (written.size() >= 2 && written.front() == '"' && written.back() == '"')) {
            written = std::string(1, '"').append(written).append(1, '"');
        }
        std::string line = std::string(key) + " = " + written;
        if (const std::optional<std::size_t> at = Find(section, key)) {
            lines_[*at] = std::move(line);
            return;
        }
        std::optional<std::size_t> sectionEnd;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const std::optional<std::string_view> header = SectionOf(lines_[i]);
            if (header) {
                if (sectionEnd) {
                    break;
                }
                if (SameName(*header, section)) {
                    sectionEnd = i + 1;
                }
            } else if (sectionEnd && !Trimmed(lines_[i]).empty()) {
                sectionEnd = i + 1;
            }
        }
        if (sectionEnd) {
            lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), std::move(line));
            return;
        }
        if (!lines_.empty() && !Trimmed(lines_.back()).empty()) {
            lines_.emplace_back();
        }
        lines_.push_back(std::string(1, '[').append(section).append(1, ']'));
        lines_.push_back(std::move(line));
    }

    // The file's text, with Windows line ends, as Notepad writes it.
    std::string Text() const {
        std::string text = byteOrderMark_ ? "\xef\xbb\xbf" : "";
        for (const std::string& line : lines_) {
            text += line;
            text += "\r\n";
        }
        return text;
    }

  private:
    // A section's header, "[name]", gives its name.
    static std::optional<std::string_view> SectionOf(std::string_view line) {
        line = Trimmed(line);
        if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
            return std::nullopt;
        }
        return Trimmed(line.substr(1, line.size() - 2));
    }
    // A comment starts with ';' or '#'; a setting's line has its '='.
    static std::optional<std::string_view> KeyOf(std::string_view line) {
        line = Trimmed(line);
        const std::size_t equals = line.find('=');
        if (line.empty() || line.front() == ';' || line.front() == '#' || equals == std::string_view::npos) {
            return std::nullopt;
        }
        return Trimmed(line.substr(0, equals));
    }
    static std::string_view ValuePart(std::string_view line) { return line.substr(line.find('=') + 1); }

    std::optional<std::size_t> Find(std::string_view section, std::string_view key) const {
        bool inSection = false;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (const std::optional<std::string_view> header = SectionOf(lines_[i])) {
                inSection = SameName(*header, section);
            } else if (inSection) {
                const std::optional<std::string_view> name = KeyOf(lines_[i]);
                if (name && SameName(*name, key)) {
                    return i;
                }
            }
        }
        return std::nullopt;
    }

    std::vector<std::string> lines_;
    bool byteOrderMark_ = false;
};

} // namespace settings_file
