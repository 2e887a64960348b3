#include "readback/Markup.h"

#include "readback/TagReader.h"

#include <charconv>

namespace readback {
namespace {

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
    explicit Reader(std::string_view markup) : tags_(markup) {}

    TextFormat Read(std::string_view markup, std::size_t* tagSteps) {
        std::size_t at = 0;
        while (at < markup.size()) {
            const char c = markup[at];
            if (c == '<') {
                Tag tag;
                const std::size_t end = tags_.Read(at, tag);
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
        if (tagSteps != nullptr) {
            *tagSteps = tags_.Steps();
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

    TagReader tags_;
    TextFormat format_;
    std::vector<FontStyle> fonts_{FontStyle{}};
};

} // namespace

TextFormat ParseMarkup(std::string_view markup, std::size_t* tagSteps) {
    return Reader(markup).Read(markup, tagSteps);
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

} // namespace readback
