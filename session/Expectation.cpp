#include "session/Expectation.h"

#include "host/Natives.h"
#include "session/Words.h"
#include "sim/NativeTable.h"
#include "sim/Quoting.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
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

// The arguments of the call as Describe prints them.
std::vector<std::string> DescribedArguments(const sim::NativeCall& call) {
    const std::string line = sim::Describe(call);
    const std::size_t open = line.find('(');
    std::size_t close = open + 1;
    while (close < line.size() && line[close] != ')') {
        close = line[close] == '"' ? sim::ClosingQuote(line, close) + 1 : close + 1;
    }
    return SplitArguments(std::string_view(line).substr(open + 1, close - open - 1));
}

std::string DescribePage(const readback::MenuState& menu) {
    return "page " + sim::Quoted(menu.title) + " " + sim::Quoted(menu.subtitle);
}

std::string DescribeRow(const readback::MenuState& menu, RowDetail detail) {
    std::string shown = "row " + sim::Quoted(menu.selectedRow);
    if (detail == RowDetail::Value) {
        shown += menu.selectedValue.empty() ? " with no value" : " value " + sim::Quoted(menu.selectedValue);
    } else if (detail == RowDetail::On || detail == RowDetail::Off) {
        shown += !menu.selectedToggle ? " with no tick box" : *menu.selectedToggle ? " on" : " off";
    }
    return shown;
}

bool RowHolds(const Expectation& expected, const readback::MenuState& menu) {
    if (menu.selectedRow != expected.label) {
        return false;
    }
    switch (expected.detail) {
    case RowDetail::None:
        return true;
    case RowDetail::Value:
        return menu.selectedValue == expected.value;
    case RowDetail::On:
        return menu.selectedToggle == true;
    case RowDetail::Off:
        return menu.selectedToggle == false;
    }
    return false;
}

std::string CallsOf(const std::string& native, const sim::Frame& frame) {
    std::string first;
    int count = 0;
    for (const sim::NativeCall& call : frame) {
        if (call.info != nullptr && call.info->name == native && count++ == 0) {
            first = sim::Describe(call);
        }
    }
    if (count == 0) {
        return "no call of " + native;
    }
    return first + (count > 1 ? " and " + std::to_string(count - 1) + " more call(s) of it" : "");
}

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
    Reject("expect what? menu, page, counter, row, voice, call, no call or sound, not \"" +
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

void ReadRow(const ExpectLine& line, Expectation& expected) {
    line.Count(2, 4, "row \"Label\" [value \"V\" | on | off]");
    expected.kind = ExpectKind::Row;
    expected.label = line.Quoted(1, "the label");
    const std::string detail = line.Key(2);
    if (line.Size() == 4 && detail == "value") {
        expected.detail = RowDetail::Value;
        expected.value = line.Quoted(3, "the value");
    } else if (line.Size() == 3 && (detail == "on" || detail == "off")) {
        expected.detail = detail == "on" ? RowDetail::On : RowDetail::Off;
    } else if (line.Size() > 2) {
        Reject("after the label comes value \"V\", on or off");
    }
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
    {"menu", ReadMenu},   {"page", ReadPage},   {"counter", ReadCounter}, {"row", ReadRow},
    {"voice", ReadVoice}, {"sound", ReadSound}, {"call", ReadCall},       {"no", ReadNoCall},
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

bool Matches(const CallPattern& pattern, const sim::NativeCall& call) {
    if (call.info == nullptr || call.info->name != pattern.native) {
        return false;
    }
    const std::vector<std::string> arguments = DescribedArguments(call);
    if (arguments.size() < pattern.arguments.size() ||
        (!pattern.anyMore && arguments.size() != pattern.arguments.size())) {
        return false;
    }
    for (std::size_t i = 0; i < pattern.arguments.size(); ++i) {
        if (pattern.arguments[i] != "*" && pattern.arguments[i] != arguments[i]) {
            return false;
        }
    }
    return true;
}

void Checker::See(const sim::Frame& frame) {
    for (const sim::NativeCall& call : frame) {
        if (call.Is(Native::HashOfName) && !call.texts.empty()) {
            hashedNames_[static_cast<std::uint32_t>(call.result)] = call.Text(0);
        }
    }
}

std::string Checker::VoiceName(std::uint32_t hash) const {
    if (const auto found = hashedNames_.find(hash); found != hashedNames_.end()) {
        return found->second;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08x", static_cast<unsigned>(hash));
    return hex;
}

std::optional<std::string> Checker::Shortfall(const Expectation& expected, const sim::Frame& last,
                                              const sim::Game& game) const {
    const auto unless = [](bool holds, std::string shown) {
        return holds ? std::nullopt : std::optional<std::string>(std::move(shown));
    };
    if (expected.kind == ExpectKind::Voice) {
        const auto voice = game.voices.find(game.playerCharacter);
        if (voice == game.voices.end()) {
            return unless(false, "no voice set");
        }
        return unless(voice->second == sim::HashName(expected.name), "voice " + VoiceName(voice->second));
    }
    if (expected.kind == ExpectKind::Call || expected.kind == ExpectKind::NoCall) {
        const auto match = std::find_if(last.begin(), last.end(), [&](const sim::NativeCall& call) {
            return Matches(expected.call, call);
        });
        if (expected.kind == ExpectKind::NoCall) {
            return unless(match == last.end(), match == last.end() ? "" : sim::Describe(*match));
        }
        return unless(match != last.end(), CallsOf(expected.call.native, last));
    }
    const readback::MenuState menu = readback::ReadMenu(last);
    const std::string openness = menu.open ? "menu open" : "menu closed";
    switch (expected.kind) {
    case ExpectKind::MenuOpen:
        return unless(menu.open, openness);
    case ExpectKind::MenuClosed:
        return unless(!menu.open, openness);
    case ExpectKind::Page:
        if (!menu.open) {
            return openness;
        }
        return unless(menu.title == expected.title &&
                          (!expected.subtitle || menu.subtitle == *expected.subtitle),
                      DescribePage(menu));
    case ExpectKind::Counter:
        if (!menu.open) {
            return openness;
        }
        return unless(menu.counter == expected.counter,
                      menu.counter ? "counter " + menu.counterText : std::string("no counter"));
    case ExpectKind::Row:
        if (!menu.open) {
            return openness;
        }
        return unless(RowHolds(expected, menu), DescribeRow(menu, expected.detail));
    case ExpectKind::Sound: {
        std::string played;
        bool found = false;
        for (const readback::Sound& sound : menu.sounds) {
            played += (played.empty() ? "" : ", ") + sound.name;
            found = found || sound.name == expected.name;
        }
        return unless(found, played.empty() ? "no sound" : "sounds " + played);
    }
    default:
        return std::nullopt;
    }
}

std::string DescribeFailure(const std::string& file, int line, const Expectation& expected,
                            const std::string& shown) {
    return file + ":" + std::to_string(line) + ": expected " + expected.text + ", the frame showed " + shown;
}

} // namespace session
