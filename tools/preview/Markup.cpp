#include "tools/preview/Markup.h"

#include <cctype>
#include <charconv>
#include <map>

namespace preview {
namespace {

struct Tag {
    std::string name; // upper case
    bool closing = false;
    std::map<std::string, std::string> attributes; // names in upper case
};

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '-';
}

void SkipSpaces(std::string_view text, std::size_t& at) {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) {
        ++at;
    }
}

std::string_view ReadName(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && IsNameChar(text[at])) {
        ++at;
    }
    return text.substr(start, at - start);
}

// Reads the tag that starts at text[at] == '<'. Returns the position after its
// '>' or npos when the characters there are not a well-formed tag.
std::size_t ReadTag(std::string_view text, std::size_t at, Tag& tag) {
    ++at;
    if (at < text.size() && text[at] == '/') {
        tag.closing = true;
        ++at;
    }
    tag.name = Upper(ReadName(text, at));
    if (tag.name.empty()) {
        return std::string_view::npos;
    }
    for (;;) {
        SkipSpaces(text, at);
        if (at >= text.size()) {
            return std::string_view::npos;
        }
        if (text[at] == '>') {
            return at + 1;
        }
        if (text[at] == '/' && at + 1 < text.size() && text[at + 1] == '>') {
            return at + 2;
        }
        const std::string name = Upper(ReadName(text, at));
        if (name.empty()) {
            return std::string_view::npos;
        }
        SkipSpaces(text, at);
        if (at >= text.size() || text[at] != '=') {
            return std::string_view::npos;
        }
        ++at;
        SkipSpaces(text, at);
        if (at >= text.size()) {
            return std::string_view::npos;
        }
        std::string value;
        if (text[at] == '\'' || text[at] == '"') {
            const std::size_t end = text.find(text[at], at + 1);
            if (end == std::string_view::npos) {
                return std::string_view::npos;
            }
            value = text.substr(at + 1, end - at - 1);
            at = end + 1;
        } else {
            const std::size_t start = at;
            while (at < text.size() && text[at] != '>' && text[at] != '/' &&
                   std::isspace(static_cast<unsigned char>(text[at])) == 0) {
                ++at;
            }
            value = text.substr(start, at - start);
        }
        tag.attributes[name] = std::move(value);
    }
}

// A number attribute; what is not a number keeps the fallback.
float Number(const Tag& tag, const std::string& name, float fallback) {
    const auto found = tag.attributes.find(name);
    if (found == tag.attributes.end()) {
        return fallback;
    }
    const std::string& text = found->second;
    float value = fallback;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? value : fallback;
}

std::string Attribute(const Tag& tag, const std::string& name) {
    const auto found = tag.attributes.find(name);
    return found != tag.attributes.end() ? found->second : std::string();
}

// "~s~", "~COLOR_RED~" and the like change colours in the game; they draw nothing.
std::size_t FormatCodeLength(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && IsNameChar(text[end])) {
        ++end;
    }
    return end > at + 1 && end < text.size() && text[end] == '~' ? end - at + 1 : 0;
}

std::size_t EntityLength(std::string_view text, std::size_t at, char& decoded) {
    static constexpr std::pair<std::string_view, char> entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    for (const auto& [name, character] : entities) {
        if (text.substr(at, name.size()) == name) {
            decoded = character;
            return name.size();
        }
    }
    return 0;
}

class Reader {
  public:
    TextFormat Read(std::string_view markup) {
        std::size_t at = 0;
        while (at < markup.size()) {
            const char c = markup[at];
            if (c == '<') {
                Tag tag;
                const std::size_t end = ReadTag(markup, at, tag);
                if (end != std::string_view::npos) {
                    Apply(tag);
                    at = end;
                    continue;
                }
            } else if (c == '~') {
                if (const std::size_t length = FormatCodeLength(markup, at)) {
                    at += length;
                    continue;
                }
            } else if (c == '&') {
                char decoded = 0;
                if (const std::size_t length = EntityLength(markup, at, decoded)) {
                    AppendText(decoded);
                    at += length;
                    continue;
                }
            }
            AppendText(c);
            ++at;
        }
        return std::move(format_);
    }

  private:
    void Apply(const Tag& tag) {
        if (tag.name == "FONT") {
            if (tag.closing) {
                if (fonts_.size() > 1) {
                    fonts_.pop_back();
                }
                return;
            }
            FontStyle font = fonts_.back();
            std::string face = Attribute(tag, "FACE");
            if (!face.empty()) {
                font.face = face.front() == '$' ? face.substr(1) : face;
            }
            font.size = Number(tag, "SIZE", font.size);
            font.letterSpacing = Number(tag, "LETTERSPACING", font.letterSpacing);
            fonts_.push_back(std::move(font));
        } else if (tag.name == "TEXTFORMAT" && !tag.closing) {
            format_.rightMargin = Number(tag, "RIGHTMARGIN", format_.rightMargin);
        } else if (tag.name == "P" && !tag.closing) {
            const std::string align = Upper(Attribute(tag, "ALIGN"));
            if (align == "LEFT") {
                format_.align = Align::Left;
            } else if (align == "CENTER") {
                format_.align = Align::Center;
            } else if (align == "RIGHT") {
                format_.align = Align::Right;
            }
        } else if (tag.name == "IMG" && !tag.closing) {
            AppendImage(tag);
        }
    }

    void AppendText(char c) {
        if (format_.pieces.empty() || format_.pieces.back().isImage ||
            format_.pieces.back().font != fonts_.back()) {
            TextPiece piece;
            piece.font = fonts_.back();
            format_.pieces.push_back(std::move(piece));
        }
        format_.pieces.back().text += c;
    }

    void AppendImage(const Tag& tag) {
        TextPiece piece;
        piece.isImage = true;
        piece.font = fonts_.back();
        const std::string attribute = Attribute(tag, "SRC");
        std::string_view source = attribute;
        if (source.substr(0, 6) == "img://") {
            source.remove_prefix(6);
        }
        const std::size_t slash = source.find('/');
        if (slash != std::string_view::npos) {
            piece.dictionary = source.substr(0, slash);
            piece.texture = source.substr(slash + 1);
        } else {
            piece.texture = source;
        }
        piece.width = Number(tag, "WIDTH", 0.0f);
        piece.height = Number(tag, "HEIGHT", 0.0f);
        format_.pieces.push_back(std::move(piece));
    }

    TextFormat format_;
    std::vector<FontStyle> fonts_{FontStyle{}};
};

} // namespace

TextFormat ParseMarkup(std::string_view markup) {
    return Reader().Read(markup);
}

std::string PlainText(const TextFormat& format) {
    std::string text;
    for (const TextPiece& piece : format.pieces) {
        if (!piece.isImage) {
            text += piece.text;
        }
    }
    return text;
}

} // namespace preview
