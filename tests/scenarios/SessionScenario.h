// A session file played as a scenario: the same record the scenarios write
// (so the Wine run can be compared with the native one), with the session's
// expectations checked on the way.
#pragma once

#include "tests/scenarios/ScenarioRun.h"

#include <string>
#include <vector>

namespace scenario {

struct SessionRecord {
    std::string name; // the file's name without its folder and ".session"
    Record record;
    std::vector<std::string> failures; // "FILE:LINE: expected ..., the frame showed ..."
};

// The file's name without its folder and extension: the record's name.
std::string SessionName(const std::string& path);

// Throws session::SessionError when the file (or the answers file, whose
// answers hold from the start) cannot be read or has a mistake.
SessionRecord RunSessionFile(const std::string& path, const std::string& pluginPath,
                             const driver::GameFolder& folder, const std::string& answersPath = {});

} // namespace scenario
