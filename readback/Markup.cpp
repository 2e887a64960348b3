#include "readback/Markup.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <map>

namespace readback {
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

// Reads tags in one pass over the markup however many '<' never close: a
// tag is read by a small state machine, and a (position, state) pair that
// once led to a malformed tag is remembered, so no later '<' reads past it
// again. Every pair is looked at once at most.
class TagReader {
  public:
    explicit TagReader(std::string_view text) : text_(text) {}

    // Reads the tag that starts at text[at] == '<'. Returns the position after
    // its '>' or npos when the characters there are not a well-formed tag.
    std::size_t Read(std::size_t at, Tag& tag) {
        // What each state does with the character it looks at, in State's order.
        static constexpr Next (TagReader::*Steps[])(Look) = {
            &TagReader::InName,          &TagReader::Between,       &TagReader::AfterSlash,
            &TagReader::InAttributeName, &TagReader::BeforeEquals,  &TagReader::BeforeValue,
            &TagReader::InQuotedValue,   &TagReader::InQuotedValue, &TagReader::InUnquotedValue,
        };
        static_assert(std::size(Steps) == static_cast<std::size_t>(State::Unquoted) + 1);
        ++at;
        if (at < text_.size() && text_[at] == '/') {
            tag.closing = true;
            ++at;
        }
        if (at >= text_.size() || !IsNameChar(text_[at])) {
            return std::string_view::npos;
        }
        path_.clear();
        attributes_.clear();
        at_ = nameBegin_ = nameEnd_ = pieceBegin_ = at;
        state_ = State::Name;
        for (;;) {
            ++steps_;
            if (KnownToFail(at_, state_)) {
                return Fail();
            }
            path_.push_back({at_, state_});
            switch ((this->*Steps[static_cast<std::size_t>(state_)])(LookAt(at_))) {
            case Next::Go:
                break;
            case Next::Fail:
                return Fail();
            case Next::Close:
                return Succeed(at_ + 1, tag);
            }
        }
    }

    // Positions and states looked at so far, over all tags read.
    std::size_t Steps() const { return steps_; }

  private:
    enum class State : std::uint8_t {
        Name,
        Between, // after the name or a value: spaces, an attribute, '>' or "/>"
        Slash,
        AttributeName,
        BeforeEquals,
        BeforeValue,
        SingleQuoted,
        DoubleQuoted,
        Unquoted,
    };
    // What a state's step leads to: on, a malformed tag, or the '>' that ends it.
    enum class Next : std::uint8_t { Go, Fail, Close };
    // The character a step looks at.
    struct Look {
        bool atEnd;
        char c; // '\0' at the end
        bool space;
    };
    struct Visit {
        std::size_t at;
        State state;
    };
    struct AttributeSpan {
        std::size_t nameBegin, nameEnd, valueBegin, valueEnd;
    };

    static std::uint16_t Bit(State state) {
        return static_cast<std::uint16_t>(1u << static_cast<unsigned>(state));
    }

    bool KnownToFail(std::size_t at, State state) const {
        return !failed_.empty() && (failed_[at] & Bit(state)) != 0;
    }

    std::size_t Fail() {
        if (failed_.empty()) {
            failed_.assign(text_.size() + 1, 0);
        }
        for (const Visit& visit : path_) {
            failed_[visit.at] = static_cast<std::uint16_t>(failed_[visit.at] | Bit(visit.state));
        }
        return std::string_view::npos;
    }

    void EndValue(std::size_t begin, std::size_t end) {
        attributes_.back().valueBegin = begin;
        attributes_.back().valueEnd = end;
    }

    std::size_t Succeed(std::size_t end, Tag& tag) const {
        tag.name = Upper(text_.substr(nameBegin_, nameEnd_ - nameBegin_));
        for (const AttributeSpan& span : attributes_) {
            tag.attributes[Upper(text_.substr(span.nameBegin, span.nameEnd - span.nameBegin))] =
                std::string(text_.substr(span.valueBegin, span.valueEnd - span.valueBegin));
        }
        return end;
    }

    Look LookAt(std::size_t at) const {
        const bool atEnd = at >= text_.size();
        const char c = atEnd ? '\0' : text_[at];
        return {atEnd, c, !atEnd && std::isspace(static_cast<unsigned char>(c)) != 0};
    }

    Next InName(Look look) {
        if (!look.atEnd && IsNameChar(look.c)) {
            ++at_;
        } else {
            nameEnd_ = at_;
            state_ = State::Between;
        }
        return Next::Go;
    }

    Next Between(Look look) {
        if (look.atEnd) {
            return Next::Fail;
        }
        if (look.space) {
            ++at_;
        } else if (look.c == '>') {
            return Next::Close;
        } else if (look.c == '/') {
            state_ = State::Slash;
            ++at_;
        } else if (IsNameChar(look.c)) {
            pieceBegin_ = at_;
            state_ = State::AttributeName;
        } else {
            return Next::Fail;
        }
        return Next::Go;
    }

    Next AfterSlash(Look look) { return look.atEnd || look.c != '>' ? Next::Fail : Next::Close; }

    Next InAttributeName(Look look) {
        if (!look.atEnd && IsNameChar(look.c)) {
            ++at_;
        } else {
            attributes_.push_back({pieceBegin_, at_, 0, 0});
            state_ = State::BeforeEquals;
        }
        return Next::Go;
    }

    Next BeforeEquals(Look look) {
        if (look.atEnd || (!look.space && look.c != '=')) {
            return Next::Fail;
        }
        state_ = look.space ? State::BeforeEquals : State::BeforeValue;
        ++at_;
        return Next::Go;
    }

    Next BeforeValue(Look look) {
        if (look.atEnd) {
            return Next::Fail;
        }
        if (look.space) {
            ++at_;
        } else if (look.c == '\'' || look.c == '"') {
            state_ = look.c == '\'' ? State::SingleQuoted : State::DoubleQuoted;
            pieceBegin_ = ++at_;
        } else {
            pieceBegin_ = at_;
            state_ = State::Unquoted;
        }
        return Next::Go;
    }

    Next InQuotedValue(Look look) {
        if (look.atEnd) {
            return Next::Fail;
        }
        if (look.c == (state_ == State::SingleQuoted ? '\'' : '"')) {
            EndValue(pieceBegin_, at_);
            state_ = State::Between;
        }
        ++at_;
        return Next::Go;
    }

    Next InUnquotedValue(Look look) {
        if (look.atEnd || look.c == '>' || look.c == '/' || look.space) {
            EndValue(pieceBegin_, at_);
            state_ = State::Between;
        } else {
            ++at_;
        }
        return Next::Go;
    }

    std::string_view text_;
    std::vector<Visit> path_;
    std::vector<AttributeSpan> attributes_;
    std::vector<std::uint16_t> failed_; // per position, a bit per state known to fail
    std::size_t steps_ = 0;
    // The tag being read: where its name and the piece being read begin and end.
    std::size_t at_ = 0;
    std::size_t nameBegin_ = 0;
    std::size_t nameEnd_ = 0;
    std::size_t pieceBegin_ = 0;
    State state_ = State::Name;
};

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
