// The steps around the game's life and its settings file: restart, expect
// setting, write setting, and keys by the names a player writes.
#include "driver/GameFolder.h"
#include "host/PluginKeys.h"
#include "session/Play.h"
#include "session/SettingsOnDisk.h"
#include "session/tests/ParseError.h"
#include "tests/support/PluginFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using session::StepKind;

TEST(GameStepsTest, TheStepsRead) {
    struct Case {
        const char* line;
        StepKind kind;
        std::string setting;
        std::string text;
        std::uint32_t key;
    };
    const Case cases[] = {
        {"restart", StepKind::Restart, "", "", 0},
        {"RESTART   # the game again", StepKind::Restart, "", "", 0},
        {"expect setting \"camp.hour\" \"13\"", StepKind::ExpectSetting, "camp.hour", "13", 0},
        {"expect Setting \"menu.key\" \"\"", StepKind::ExpectSetting, "menu.key", "", 0},
        {"write setting \"hotkeys.stamina\" \"F5\"", StepKind::WriteSetting, "hotkeys.stamina", "F5", 0},
        {"write setting \"camp.note\" \"a \\\"b\\\" # c\"", StepKind::WriteSetting, "camp.note",
         "a \"b\" # c", 0},
        {"press F6", StepKind::Press, "", "", 0x75},
        {"release f12", StepKind::Release, "", "", 0x7b},
        {"tap a 2", StepKind::Tap, "", "", 'A'},
        {"tap 7", StepKind::Tap, "", "", '7'},
        {"repeat 0x75", StepKind::Repeat, "", "", 0x75},
        {"press f8", StepKind::Press, "", "", plugin_keys::Toggle},
    };
    for (const Case& each : cases) {
        const std::vector<session::SessionStep> steps = session::ParseSession(each.line);
        ASSERT_EQ(steps.size(), 1u) << each.line;
        EXPECT_EQ(steps[0].kind, each.kind) << each.line;
        EXPECT_EQ(steps[0].setting, each.setting) << each.line;
        EXPECT_EQ(steps[0].text, each.text) << each.line;
        if (each.key != 0) {
            EXPECT_TRUE(steps[0].input.isKey) << each.line;
            EXPECT_EQ(steps[0].input.code, each.key) << each.line;
        }
    }
}

TEST(GameStepsTest, MistakesNameTheirLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"restart now", "line 1: restart takes no argument, got \"restart now\""},
        {"expect setting \"camp.hour\"",
         "line 1: write expect setting \"camp.hour\" \"13\", not \"expect setting \"camp.hour\"\""},
        {"expect setting camp.hour 13",
         "line 1: write expect setting \"camp.hour\" \"13\", not \"expect setting camp.hour 13\""},
        {"expect setting \"hour\" \"13\"",
         "line 1: a setting is named \"section.name\", as in \"camp.hour\", not \"hour\""},
        {"expect setting \".hour\" \"13\"",
         "line 1: a setting is named \"section.name\", as in \"camp.hour\", not \".hour\""},
        {"expect setting \"camp.hour\" \"13", "line 1: a quote is left open"},
        {"write file \"menu.key\" \"F6\"", "line 1: write setting \"menu.key\" \"F6\" is the only write, not "
                                           "\"write file \"menu.key\" \"F6\"\""},
        {"write setting \"menu.key\" \"F6\" \"F7\"",
         "line 1: write write setting \"menu.key\" \"F6\", not \"write setting \"menu.key\" \"F6\" \"F7\"\""},
        {"press 0x00", nullptr},
        {"tap F0", nullptr},
        {"release ab", nullptr},
    };
    for (const auto& [line, message] : cases) {
        const std::string error = ErrorOf(line);
        if (message != nullptr) {
            EXPECT_EQ(error, message) << line;
        } else {
            EXPECT_EQ(error.rfind("line 1: unknown key or control", 0), 0u) << line << ": " << error;
        }
    }
}

// A session on the linked plug-in, with the settings file's expectations and
// failures described as the tools print them.
class GameStepsPlayTest : public PluginTest {
  protected:
    std::vector<std::string> Play(const std::string& script) {
        std::vector<std::string> failures;
        session::SessionObserver observer;
        observer.expectation = [&](const session::SessionStep& step,
                                   const std::optional<std::string>& shortfall) {
            if (shortfall) {
                failures.push_back(session::DescribeStepFailure("s.session", step, *shortfall));
            }
        };
        session::RunSession(session::ParseSession(script), runner, observer);
        return failures;
    }

    driver::GameFolder folder;
};

TEST_F(GameStepsPlayTest, RestartEndsTheGameAndStartsItAgainWithTheStateAFreshLoadBuilds) {
    folder.Place(host, "build/QuorvaneDevTools.so");
    runner.Load(driver::Plugin::Linked(&DllMain, &RebuildProcessState));
    ASSERT_TRUE(
        Play("answer CLOCK::GET_CLOCK_HOURS() -> 21\nwait 2\ntap f8\nwait 1\nexpect menu open").empty());
    host.game.globals[7] = 1;
    const std::size_t logged = host.hookLog.size();

    EXPECT_EQ(Play("restart\nwait 2\nexpect menu closed\ntap f8\nwait 1\nexpect menu open"),
              std::vector<std::string>{});
    const std::vector<std::string> log(host.hookLog.begin() + static_cast<std::ptrdiff_t>(logged),
                                       host.hookLog.end());
    EXPECT_EQ(log, (std::vector<std::string>{"scriptUnregister(same module)",
                                             "keyboardHandlerUnregister(same handler)",
                                             "scriptRegister(set, set)", "keyboardHandlerRegister(set)"}))
        << "the game's exit unloads the plug-in; the new game loads it";
    EXPECT_EQ(host.game.globals.count(7), 0u) << "the game starts fresh";
    EXPECT_TRUE(host.game.answerOverride) << "what the game was taught to answer stays";
    EXPECT_EQ(host.gameFolder, folder.Path()) << "in the same folder";
}

TEST_F(GameStepsPlayTest, ExpectSettingReadsTheFileOnDiskAndSaysWhatItHolds) {
    folder.Place(host, "examples/RanchHand.so");
    const std::string file = folder.Path() + "/RanchHand.ini";
    EXPECT_EQ(driver::SettingsPathOf(host), file);
    EXPECT_EQ(Play("expect setting \"camp.hour\" \"13\""),
              std::vector<std::string>{"s.session:1: expected setting \"camp.hour\" \"13\", but there is no "
                                       "settings file " +
                                       file});

    std::ofstream(file) << "; a player's note\r\n[camp]\r\nhour = 12\r\n";
    EXPECT_EQ(
        Play("expect setting \"camp.hour\" \"13\"\nexpect setting \"camp.day\" \"1\"\n"
             "expect setting \"CAMP.Hour\" \"12\""),
        (std::vector<std::string>{
            "s.session:1: expected setting \"camp.hour\" \"13\", but " + file + " holds camp.hour = \"12\"",
            "s.session:2: expected setting \"camp.day\" \"1\", but " + file + " holds no camp.day"}));

    EXPECT_EQ(Play("write setting \"camp.hour\" \"13\"\nwrite setting \"menu.key\" \"F6\"\n"
                   "expect setting \"camp.hour\" \"13\"\nexpect setting \"menu.key\" \"F6\""),
              std::vector<std::string>{});
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    EXPECT_EQ(text.str(), "; a player's note\r\n[camp]\r\nhour = 13\r\n\r\n[menu]\r\nkey = F6\r\n")
        << "the other lines kept as written";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "nothing left beside it";

    host.gameFolder.clear();
    EXPECT_EQ(Play("expect setting \"camp.hour\" \"13\""),
              std::vector<std::string>{"s.session:1: expected setting \"camp.hour\" \"13\", but there is no "
                                       "game folder, so no settings file"});
    EXPECT_THROW(Play("write setting \"camp.hour\" \"13\""), session::SessionError);
}

TEST(GameFolderTest, AFreshFolderIsEachRunsOwnAndGoesAGivenOneStays) {
    std::string fresh;
    const std::string given = driver::GameFolder().Path() + "-given";
    {
        const driver::GameFolder one;
        const driver::GameFolder two;
        fresh = one.Path();
        EXPECT_NE(one.Path(), two.Path());
        EXPECT_TRUE(std::filesystem::is_directory(fresh));
        std::ofstream(fresh + "/QuorvaneDevTools.ini") << "[menu]\nkey = F6\n";
        const driver::GameFolder kept(given);
        EXPECT_EQ(kept.SettingsPath("Fork.asi"), kept.Path() + "/Fork.ini");
    }
    EXPECT_FALSE(std::filesystem::exists(fresh)) << "removed with what it holds";
    EXPECT_TRUE(std::filesystem::is_directory(given)) << "a given folder is the user's";
    std::filesystem::remove_all(given);
    EXPECT_EQ(driver::ModuleFileName("/build/examples/QuorvaneExample.so"), "QuorvaneExample.asi");
}

} // namespace
