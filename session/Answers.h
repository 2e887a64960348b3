// A mod's own answers for the stand-in game: a native the stand-in does not
// model answers 0 until a session (or an answers file) teaches it more, from
// that step on:
//   answer NAMESPACE::NAME(ARGS) -> VALUE
// ARGS as "expect call" writes them ("*" any one, a last "..." the rest);
// VALUE of the native's result type: a whole number (int, a hash or handle,
// decimal or 0x...), a number with a point (float), true or false (bool) or
// a text in double quotes.
#pragma once

#include "session/Expectation.h"
#include "sim/Game.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace session {

struct TaughtAnswer {
    CallPattern call;
    std::uint64_t value = 0; // as the game hands it over; a text's is set when taught
    bool isText = false;
    std::string text;
};

// Reads what follows "answer"; throws std::invalid_argument with the reason.
TaughtAnswer ParseAnswer(std::string_view text);

// From now on the game answers each call the pattern matches with the value,
// after its own answer; of two answers for one call the later one holds.
void Teach(sim::Game& game, const TaughtAnswer& answer);

} // namespace session
