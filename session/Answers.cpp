#include "session/Answers.h"

#include "session/Words.h"
#include "sim/NativeTable.h"

#include <bit>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <utility>

namespace session {
namespace {

constexpr std::string_view Arrow = "->";

[[noreturn]] void Reject(const std::string& reason) {
    throw std::invalid_argument(reason);
}

template <typename Number> bool ReadWhole(std::string_view text, Number& value) {
    const int base = text.starts_with("0x") || text.starts_with("0X") ? 16 : 10;
    if (base == 16) {
        text.remove_prefix(2);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

// The value as the game hands a result of that kind over.
void ReadValue(const Word& written, char kind, const std::string& native, TaughtAnswer& answer) {
    const std::string& text = written.text;
    const auto wrong = [&](const char* what) {
        Reject(native + " answers " + what + ", not \"" + text + "\"");
    };
    if (kind == 't') {
        if (!written.quoted) {
            wrong("a text in double quotes");
        }
        answer.isText = true;
        answer.text = text;
        return;
    }
    if (written.quoted) {
        wrong(kind == 'f' ? "a number" : kind == 'b' ? "true or false" : "a whole number");
    }
    if (kind == 'b') {
        const std::string word = Lowered(text);
        if (word != "true" && word != "false" && word != "1" && word != "0") {
            wrong("true or false");
        }
        answer.value = word == "true" || word == "1" ? 1 : 0;
    } else if (kind == 'f') {
        char* end = nullptr;
        const float value = std::strtof(text.c_str(), &end);
        if (text.empty() || end != text.c_str() + text.size()) {
            wrong("a number");
        }
        answer.value = std::bit_cast<std::uint32_t>(value);
    } else if (kind == 'i') {
        std::int32_t value = 0;
        if (!ReadWhole(text, value)) {
            wrong("a whole number from -2147483648 to 2147483647");
        }
        answer.value = static_cast<std::uint32_t>(value);
    } else {
        std::uint32_t value = 0;
        if (!ReadWhole(text, value)) {
            wrong("a whole number from 0 to 4294967295 (or 0x...)");
        }
        answer.value = value;
    }
}

} // namespace

TaughtAnswer ParseAnswer(std::string_view text) {
    const std::size_t arrow = text.rfind(Arrow);
    if (arrow == std::string_view::npos) {
        Reject("write answer NAMESPACE::NAME(ARGUMENTS) -> VALUE");
    }
    TaughtAnswer answer;
    answer.call = ParseCall(text.substr(0, arrow));
    const sim::NativeInfo* native = sim::FindNativeNamed(answer.call.native);
    const char kind = native->result;
    if (std::string_view("iuhcbft").find(kind) == std::string_view::npos) {
        Reject(answer.call.native + " has no result an answer can give (int, float, bool or text)");
    }
    const std::vector<Word> value = SplitWords(text.substr(arrow + Arrow.size()));
    if (value.size() != 1) {
        Reject("an answer is one value after \"->\", not \"" + std::string(text.substr(arrow + 2)) + "\"");
    }
    ReadValue(value.front(), kind, answer.call.native, answer);
    return answer;
}

void Teach(sim::Game& game, const TaughtAnswer& answer) {
    // Shared, so the text a result points at lives as long as the answer.
    auto taught = std::make_shared<const TaughtAnswer>(answer);
    game.answerOverride = [taught, earlier = std::move(game.answerOverride)](
                              sim::NativeCall& call) -> std::optional<std::uint64_t> {
        if (Matches(taught->call, call)) {
            return taught->isText ? reinterpret_cast<std::uintptr_t>(taught->text.c_str()) : taught->value;
        }
        return earlier ? earlier(call) : std::nullopt;
    };
}

} // namespace session
