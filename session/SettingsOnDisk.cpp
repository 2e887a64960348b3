#include "session/SettingsOnDisk.h"

#include "host/SettingsFile.h"
#include "sim/Quoting.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace session {
namespace {

std::optional<std::string> ReadFile(const std::string& path) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return file ? std::optional<std::string>(text.str()) : std::nullopt;
}

std::string StepFailure(const SessionStep& step, const std::string& why) {
    return "line " + std::to_string(step.line) + ": " + step.source + ": " + why;
}

} // namespace

std::optional<std::string> SettingShortfall(const std::string& path, const SessionStep& step) {
    if (path.empty()) {
        return "there is no game folder, so no settings file";
    }
    const std::optional<std::string> text = ReadFile(path);
    if (!text) {
        return "there is no settings file " + path;
    }
    const std::optional<std::string> value = settings_file::File::Parse(*text).Get(step.setting);
    if (!value) {
        return path + " holds no " + step.setting;
    }
    if (*value != step.text) {
        return path + " holds " + step.setting + " = " + sim::Quoted(*value);
    }
    return std::nullopt;
}

std::string DescribeSettingFailure(const std::string& file, const SessionStep& step,
                                   const std::string& shortfall) {
    return file + ":" + std::to_string(step.line) + ": expected setting " + sim::Quoted(step.setting) + " " +
           sim::Quoted(step.text) + ", but " + shortfall;
}

std::string DescribeStepFailure(const std::string& file, const SessionStep& step,
                                const std::string& shortfall) {
    if (step.kind == StepKind::ExpectSetting) {
        return DescribeSettingFailure(file, step, shortfall);
    }
    return DescribeFailure(file, step.line, step.expectation, shortfall);
}

// Written beside the file and moved over it, as the plug-in writes it.
void WriteSetting(const std::string& path, const SessionStep& step) {
    if (path.empty()) {
        throw SessionError(StepFailure(step, "there is no game folder to write the settings file in"));
    }
    settings_file::File file = settings_file::File::Parse(ReadFile(path).value_or(""));
    const std::optional<settings_file::Name> name = settings_file::SplitName(step.setting);
    file.Set(name->section, name->key, step.text);
    const std::string written = path + ".session-edit";
    {
        std::ofstream out(written, std::ios::binary | std::ios::trunc);
        out << file.Text();
        if (!out.flush()) {
            throw SessionError(StepFailure(step, "cannot write " + written + ": " + std::strerror(errno)));
        }
    }
    std::error_code error;
    std::filesystem::rename(written, path, error);
    if (error) {
        std::filesystem::remove(written, error);
        throw SessionError(StepFailure(step, "cannot replace " + path + ": " + error.message()));
    }
}

} // namespace session
