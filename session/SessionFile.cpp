// Session and answers files read from the disk; a file that cannot be read
// or has a mistake is a SessionError naming it.
#include "session/Session.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace session {

namespace {

// The file's text; a SessionError names what kept it from being read.
std::string ReadScript(const std::string& path, const char* what) {
    // A directory opens as a file here and then reads as nothing at all.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        throw SessionError(std::string("cannot read ") + what + " " + path + ": it is a directory");
    }
    std::ifstream file(path, std::ios::binary);
    const auto cannot = [&] {
        return SessionError(std::string("cannot read ") + what + " " + path + ": " + std::strerror(errno));
    };
    if (!file) {
        throw cannot();
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) {
        throw cannot();
    }
    return text.str();
}

} // namespace

std::vector<SessionStep> LoadSession(const std::string& path) {
    const std::string script = ReadScript(path, "session");
    try {
        return ParseSession(script);
    } catch (const SessionError& error) {
        throw SessionError(path + ": " + error.what());
    }
}

std::vector<SessionStep> LoadAnswers(const std::string& path) {
    std::vector<SessionStep> steps;
    try {
        steps = ParseSession(ReadScript(path, "answers"));
    } catch (const SessionError& error) {
        throw SessionError(path + ": " + error.what());
    }
    for (const SessionStep& step : steps) {
        if (step.kind != StepKind::Answer) {
            throw SessionError(path + ": line " + std::to_string(step.line) +
                               ": an answers file holds answer lines only, not \"" + step.source + "\"");
        }
    }
    return steps;
}

} // namespace session
