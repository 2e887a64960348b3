// Reading what follows "expect" in a session: each kind of expectation by
// its first word, in a table.
#include "session/Expectation.h"

#include "session/Words.h"
#include "sim/NativeTable.h"

#include <charconv>
#include <stdexcept>

namespace session {
namespace {

[[noreturn]] void Reject(const std::string& reason) {
    throw std::invalid_argument(reason);
}

int WholeNumber(const Word& word, const char* what) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.text.data(), word.text.data() + word.text.size(), value);
    if (word.quoted || error != std::errc{} || end != word.text.data() + word.text.size() || value < 0) {
        Reject(std::string(what) + " is a whole number, not \"" + word.text + "\"");
    }
    return value;
}

// The text after the first count words (a call's pattern keeps its spaces).
std::string_view AfterWords(std::string_view text, int count) {
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        at = text.find_first_not_of(" \t", at);
        at = text.find_first_of(" \t", at);
    }
    return at == std::string_view::npos ? std::string_view{} : text.substr(at);
}

} // namespace

CallPattern ParseCall(std::string_view text) {
    const std::size_t open = text.find('(');
    const std::size_t close = text.rfind(')');
    const std::size_t end = text.find_last_not_of(" \t\r");
    if (open == std::string_view::npos || close == std::string_view::npos || close < open || close != end) {
        Reject("a call is written NAME(ARGUMENTS), as in AUDIO::PLAY_SOUND_FRONTEND(\"SELECT\", ...)");
    }
    CallPattern pattern;
    const std::size_t first = text.find_first_not_of(" \t");
    const std::string_view written = text.substr(first, open - first);
    const sim::NativeInfo* native = sim::FindNativeNamed(written);
    if (native == nullptr) {
        Reject("unknown native \"" + std::string(written) + "\"; the nearest known is " +
               std::string(sim::NearestNativeName(written)));
    }
    pattern.native = std::string(native->name);
    pattern.arguments = SplitArguments(text.substr(open + 1, close - open - 1));
    if (!pattern.arguments.empty() && pattern.arguments.back() == "...") {
        pattern.arguments.pop_back();
        pattern.anyMore = true;
    }
    for (const std::string& argument : pattern.arguments) {
        if (argument.empty() || argument == "...") {
            Reject("an argument of " + pattern.native + " is empty or a \"...\" before the last");
        }
    }
    const std::size_t takes = native->arguments.size();
    if (pattern.arguments.size() > takes || (!pattern.anyMore && pattern.arguments.size() != takes)) {
        Reject(pattern.native + " takes " + std::to_string(takes) + " argument(s), the pattern has " +
               std::to_string(pattern.arguments.size()) + (pattern.anyMore ? " and ..." : ""));
    }
    return pattern;
}

namespace {

// What follows "expect", word by word.
class ExpectLine {
  public:
    explicit ExpectLine(std::string_view text) : text_(text), words_(SplitWords(text)) {}

    std::string_view Text() const { return text_; }
    std::size_t Size() const { return words_.size(); }
    const std::string& Word(std::size_t i) const { return words_[i].text; }
    // Keywords read in any case, as steps do; names and texts stay as written.
    std::string Key(std::size_t i) const {
        return i < words_.size() && !words_[i].quoted ? Lowered(words_[i].text) : "";
    }
    void Count(std::size_t least, std::size_t most, const char* form) const {
        if (words_.size() < least || words_.size() > most) {
            Reject(std::string("write it as \"expect ") + form + "\"");
        }
    }
    const std::string& Quoted(std::size_t i, const char* what) const {
        if (!words_[i].quoted) {
            Reject(std::string(what) + " goes in quotes: \"" + words_[i].text + "\"");
        }
        return words_[i].text;
    }
    int WholeNumber(std::size_t i, const char* what) const { return session::WholeNumber(words_[i], what); }

  private:
    std::string_view text_;
    std::vector<session::Word> words_;
};

[[noreturn]] void RejectUnknown(const ExpectLine& line) {
    Reject("expect what? menu, page, counter, row, description, voice, call, no call or sound, not \"" +
           (line.Size() == 0 ? "" : line.Word(0)) + "\"");
}

void ReadMenu(const ExpectLine& line, Expectation& expected) {
    line.Count(2, 2, "menu open\" or \"expect menu closed");
    if (line.Key(1) != "open" && line.Key(1) != "closed") {
        Reject("a menu is open or closed, not \"" + line.Word(1) + "\"");
    }
    expected.kind = line.Key(1) == "open" ? ExpectKind::MenuOpen : ExpectKind::MenuClosed;
}

void ReadPage(const ExpectLine& line, Expectation& expected) {
    line.Count(2, 3, "page \"Title\" [\"Subtitle\"]");
    expected.kind = ExpectKind::Page;
    expected.title = line.Quoted(1, "the title");
    if (line.Size() == 3) {
        expected.subtitle = line.Quoted(2, "the subtitle");
    }
}

void ReadCounter(const ExpectLine& line, Expectation& expected) {
    line.Count(4, 4, "counter 4 of 6");
    if (line.Key(2) != "of") {
        Reject("write it as \"expect counter 4 of 6\"");
    }
    expected.kind = ExpectKind::Counter;
    expected.counter = {line.WholeNumber(1, "the row"), line.WholeNumber(3, "the row count")};
}

// What may follow a row's label: a word, with a quoted text after some.
struct RowForm {
    std::string_view word;
    RowDetail detail;
    const char* text; // what the quoted text is, or null for a word alone
};

constexpr RowForm RowForms[] = {
    {"value", RowDetail::Value, "the value"},
    {"right", RowDetail::Right, "the right-hand text"},
    {"on", RowDetail::On, nullptr},
    {"off", RowDetail::Off, nullptr},
    {"disabled", RowDetail::Disabled, nullptr},
    {"enabled", RowDetail::Enabled, nullptr},
};

void ReadRow(const ExpectLine& line, Expectation& expected) {
    line.Count(2, 4, "row \"Label\" [value \"V\" | on | off | right \"T\" | disabled | enabled]");
    expected.kind = ExpectKind::Row;
    expected.label = line.Quoted(1, "the label");
    if (line.Size() == 2) {
        return;
    }
    for (const RowForm& form : RowForms) {
        if (form.word == line.Key(2) && line.Size() == (form.text != nullptr ? 4u : 3u)) {
            expected.detail = form.detail;
            if (form.text != nullptr) {
                expected.value = line.Quoted(3, form.text);
            }
            return;
        }
    }
    Reject("after the label comes value \"V\", on, off, right \"T\", disabled or enabled");
}

void ReadDescription(const ExpectLine& line, Expectation& expected) {
    line.Count(2, 2, "description \"Text\"");
    expected.kind = ExpectKind::Description;
    expected.value = line.Quoted(1, "the description");
}

void ReadVoice(const ExpectLine& line, Expectation& expected) {
    line.Count(2, 2, "voice VOFX_PLAYER_MALE01");
    expected.kind = ExpectKind::Voice;
    expected.name = line.Word(1);
}

void ReadSound(const ExpectLine& line, Expectation& expected) {
    line.Count(2, 2, "sound SELECT");
    expected.kind = ExpectKind::Sound;
    expected.name = line.Word(1);
}

void ReadCall(const ExpectLine& line, Expectation& expected) {
    expected.kind = ExpectKind::Call;
    expected.call = ParseCall(AfterWords(line.Text(), 1));
}

void ReadNoCall(const ExpectLine& line, Expectation& expected) {
    if (line.Key(1) != "call") {
        RejectUnknown(line);
    }
    expected.kind = ExpectKind::NoCall;
    expected.call = ParseCall(AfterWords(line.Text(), 2));
}

// Each expectation by its first word.
struct ExpectForm {
    std::string_view what;
    void (*read)(const ExpectLine& line, Expectation& expected);
};

constexpr ExpectForm ExpectForms[] = {
    {"menu", ReadMenu},
    {"page", ReadPage},
    {"counter", ReadCounter},
    {"row", ReadRow},
    {"description", ReadDescription},
    {"voice", ReadVoice},
    {"sound", ReadSound},
    {"call", ReadCall},
    {"no", ReadNoCall},
};

const ExpectForm* FormOf(std::string_view what) {
    for (const ExpectForm& form : ExpectForms) {
        if (form.what == what) {
            return &form;
        }
    }
    return nullptr;
}

} // namespace

Expectation ParseExpectation(std::string_view text) {
    Expectation expected;
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t\r");
    expected.text = first == std::string_view::npos ? "" : std::string(text.substr(first, last + 1 - first));
    const ExpectLine line(text);
    const ExpectForm* form = FormOf(line.Key(0));
    if (form == nullptr) {
        RejectUnknown(line);
    }
    form->read(line, expected);
    return expected;
}

} // namespace session
