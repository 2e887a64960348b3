// The plug-in's settings file as a session sees it: read now from the disk
// for "expect setting", and edited there for "write setting", as a player
// would in Notepad. The format is the plug-in's own (host/SettingsFile.h).
#pragma once

#include "session/Session.h"

#include <optional>
#include <string>

namespace session {

// What the file at path holds instead of the step's value, or nothing when it
// holds it: "there is no settings file PATH", "PATH holds no camp.hour" or
// "PATH holds camp.hour = "12"". An empty path: no game folder to look in.
std::optional<std::string> SettingShortfall(const std::string& path, const SessionStep& step);

// "FILE:LINE: expected setting "camp.hour" "13", but PATH holds ...".
std::string DescribeSettingFailure(const std::string& file, const SessionStep& step,
                                   const std::string& shortfall);

// Either kind of expectation's failure, as the tools print it.
std::string DescribeStepFailure(const std::string& file, const SessionStep& step,
                                const std::string& shortfall);

// Sets the step's setting to its value in the file at path, made when
// missing, other lines kept; throws SessionError when it cannot be written.
void WriteSetting(const std::string& path, const SessionStep& step);

} // namespace session
