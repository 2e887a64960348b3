// The tags of the game's text markup, read in one pass however the markup
// is broken: <NAME ATTRIBUTE='value' ...>, </NAME> and <NAME/>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace readback {

struct Tag {
    std::string name; // upper case
    bool closing = false;
    std::map<std::string, std::string> attributes; // names in upper case
};

// Letters, digits, "_" and "-": what tag, attribute and format code names are made of.
bool IsNameChar(char c);
std::string Upper(std::string_view text);

// Reads tags in one pass over the markup however many '<' never close: a
// tag is read by a small state machine, and a (position, state) pair that
// once led to a malformed tag is remembered, so no later '<' reads past it
// again. Every pair is looked at once at most.
class TagReader {
  public:
    explicit TagReader(std::string_view text) : text_(text) {}

    // Reads the tag that starts at text[at] == '<'. Returns the position after
    // its '>' or npos when the characters there are not a well-formed tag.
    std::size_t Read(std::size_t at, Tag& tag);

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

    static std::uint16_t Bit(State state);
    bool KnownToFail(std::size_t at, State state) const;
    std::size_t Fail(); // remembers the walk that led here, for every later '<'
    void EndValue(std::size_t begin, std::size_t end);
    std::size_t Succeed(std::size_t end, Tag& tag) const;
    Look LookAt(std::size_t at) const;

    Next Step(Look look);
    // One step in each state.
    Next InName(Look look);
    Next Between(Look look);
    Next AfterSlash(Look look);
    Next InAttributeName(Look look);
    Next BeforeEquals(Look look);
    Next BeforeValue(Look look);
    Next InQuotedValue(Look look);
    Next InUnquotedValue(Look look);

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

} // namespace readback
