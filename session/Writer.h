// The session language written: the line a step is read back from. Every
// tool that writes a session writes it through here, so ParseSession reads
// what they write as the steps they meant.
#pragma once

#include "session/Session.h"

#include <string>

namespace session {

// The step as one line, without a comment: "press down", "wait 3",
// "point at 0.25 0.5", "expect row "Speed" value "Fast"".
std::string StepLine(const SessionStep& step);

// What follows "expect" for the expectation.
std::string ExpectationText(const Expectation& expectation);

// The shortest text of a fraction that reads back as the same float.
std::string FractionText(float value);

} // namespace session
