// The steps around the game's life and the settings file the plug-in keeps
// beside itself: restart, expect setting, write setting; and keys by name.
#include "host/PluginKeys.h"
#include "host/SettingsFile.h"
#include "session/Reading.h"
#include "session/Words.h"

namespace session {
namespace {

// The two quoted texts after the step's words: a setting's name
// ("section.name") and its value.
void ReadNameAndValue(Reading& line, SessionStep& step, const std::string& form) {
    std::vector<Word> words;
    try {
        words = SplitWords(line.text);
    } catch (const std::invalid_argument& mistake) {
        line.Fail(mistake.what());
    }
    if (words.size() != 4 || !words[2].quoted || !words[3].quoted) {
        line.Fail("write " + form + ", not \"" + line.source + "\"");
    }
    if (!settings_file::SplitName(words[2].text)) {
        line.Fail("a setting is named \"section.name\", as in \"camp.hour\", not \"" + words[2].text + "\"");
    }
    step.setting = words[2].text;
    step.text = words[3].text;
}

} // namespace

std::optional<Input> KeyNamed(const std::string& name) {
    const std::optional<std::uint32_t> code = plugin_keys::KeyOfName(name);
    if (!code) {
        return std::nullopt;
    }
    return Input{plugin_keys::NameOfKey(*code), true, *code};
}

void ReadRestart(Reading& line, SessionStep&) {
    if (line.words.size() != 1) {
        line.Fail("restart takes no argument, got \"" + line.source + "\"");
    }
}

void ReadExpectSetting(Reading& line, SessionStep& step) {
    step.kind = StepKind::ExpectSetting;
    ReadNameAndValue(line, step, "expect setting \"camp.hour\" \"13\"");
}

void ReadWriteSetting(Reading& line, SessionStep& step) {
    if (line.words.size() < 2 || Lowered(line.words[1]) != "setting") {
        line.Fail("write setting \"menu.key\" \"F6\" is the only write, not \"" + line.source + "\"");
    }
    ReadNameAndValue(line, step, "write setting \"menu.key\" \"F6\"");
}

} // namespace session
