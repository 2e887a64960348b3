// The input log written as a session file (session/Session.h) that
// plays the same frames again, in the preview or a test: presses, releases
// and waits (a controller's buttons as the moves they made, RB and A as the
// chord), the input device, a snapshot where a screenshot was taken, and at
// the end expectations of what the menu showed.
#pragma once

#include "readback/MenuState.h"
#include "tools/workbench/InputLog.h"

#include <string>

namespace workbench {

// header: comment lines to start the file with (without their "# ").
std::string WriteSession(const InputLog& log, const readback::MenuState& end, const std::string& header);

// The expectations of a frame's menu, one a line: "expect menu open",
// "expect page "T" "S"", "expect counter 4 of 6", "expect row "L" on".
std::string ExpectationsOf(const readback::MenuState& menu);

} // namespace workbench
