#include "session/Expectation.h"
#include "session/Play.h"
#include "session/Session.h"

#include "host/NativeInvoker.h"
#include "session/tests/ParseError.h"
#include "tests/support/MenuFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace {

using session::ExpectKind;
using session::ParseExpectation;
using session::RowDetail;

TEST(ExpectationParseTest, ReadsEveryKind) {
    EXPECT_EQ(ParseExpectation("menu open").kind, ExpectKind::MenuOpen);
    EXPECT_EQ(ParseExpectation("menu closed").kind, ExpectKind::MenuClosed);
    EXPECT_EQ(ParseExpectation("Menu OPEN").kind, ExpectKind::MenuOpen) << "keywords in any case, as steps";
    EXPECT_EQ(ParseExpectation("SOUND Nav_Up").name, "Nav_Up") << "names as written";

    const auto page = ParseExpectation(R"(page "Title \"quoted\"" "Sub # not a comment")");
    EXPECT_EQ(page.kind, ExpectKind::Page);
    EXPECT_EQ(page.title, "Title \"quoted\"");
    EXPECT_EQ(page.subtitle, "Sub # not a comment");
    EXPECT_FALSE(ParseExpectation(R"(page "Title")").subtitle);

    const auto counter = ParseExpectation("counter 4 of 6");
    EXPECT_EQ(counter.kind, ExpectKind::Counter);
    EXPECT_EQ(counter.counter, (readback::RowCounter{4, 6}));

    const auto value = ParseExpectation(R"(row "Weather" value "Rain")");
    EXPECT_EQ(value.label, "Weather");
    EXPECT_EQ(value.detail, RowDetail::Value);
    EXPECT_EQ(value.value, "Rain");
    EXPECT_EQ(ParseExpectation(R"(row "Show hints" on)").detail, RowDetail::On);
    EXPECT_EQ(ParseExpectation(R"(row "Show hints" off)").detail, RowDetail::Off);
    EXPECT_EQ(ParseExpectation(R"(row "Plain")").detail, RowDetail::None);
    const auto right = ParseExpectation(R"(row "Buy horse" RIGHT "$25")");
    EXPECT_EQ(right.detail, RowDetail::Right);
    EXPECT_EQ(right.value, "$25");
    EXPECT_EQ(ParseExpectation(R"(row "Buy horse" disabled)").detail, RowDetail::Disabled);
    EXPECT_EQ(ParseExpectation(R"(row "Buy horse" enabled)").detail, RowDetail::Enabled);
    const auto description = ParseExpectation(R"(description "Costs $25.")");
    EXPECT_EQ(description.kind, ExpectKind::Description);
    EXPECT_EQ(description.value, "Costs $25.");

    EXPECT_EQ(ParseExpectation("voice VOFX_PLAYER_FEMALE01").name, "VOFX_PLAYER_FEMALE01");
    EXPECT_EQ(ParseExpectation("sound SELECT").kind, ExpectKind::Sound);

    const auto call = ParseExpectation(R"(call AUDIO::PLAY_SOUND_FRONTEND("SELECT, or not", *, ...))");
    EXPECT_EQ(call.kind, ExpectKind::Call);
    EXPECT_EQ(call.call.native, "AUDIO::PLAY_SOUND_FRONTEND");
    EXPECT_EQ(call.call.arguments, (std::vector<std::string>{R"("SELECT, or not")", "*"}));
    EXPECT_TRUE(call.call.anyMore);
    const auto none = ParseExpectation("no call AUDIO::_SET_VOFX_PED_VOICE(...)");
    EXPECT_EQ(none.kind, ExpectKind::NoCall);
    EXPECT_TRUE(none.call.arguments.empty());
    EXPECT_EQ(none.text, "no call AUDIO::_SET_VOFX_PED_VOICE(...)") << "messages quote the line as written";
    EXPECT_EQ(ParseExpectation("call _SET_VOFX_PED_VOICE(...)").call.native, "AUDIO::_SET_VOFX_PED_VOICE")
        << "the namespace may be left out";
}

TEST(ExpectationParseTest, MistakesNameTheirLine) {
    EXPECT_EQ(ErrorOf("expect menu open"), "line 1: expect before any frame has run (add \"wait 1\")");
    EXPECT_EQ(ErrorOf("wait 1\n\nexpect menu ajar"), "line 3: a menu is open or closed, not \"ajar\"");
    EXPECT_EQ(ErrorOf("wait 1\nexpect page Title"), "line 2: the title goes in quotes: \"Title\"");
    EXPECT_EQ(ErrorOf("wait 1\nexpect counter 4 6"), "line 2: write it as \"expect counter 4 of 6\"");
    EXPECT_EQ(ErrorOf("wait 1\nexpect counter four of 6"), "line 2: the row is a whole number, not \"four\"");
    EXPECT_EQ(ErrorOf("wait 1\nexpect row \"Weather\" value"),
              "line 2: after the label comes value \"V\", on, off, right \"T\", disabled or enabled");
    EXPECT_EQ(ErrorOf("wait 1\nexpect row \"Buy horse\" right $25"),
              "line 2: the right-hand text goes in quotes: \"$25\"");
    EXPECT_EQ(ErrorOf("wait 1\nexpect description"), "line 2: write it as \"expect description \"Text\"\"");
    EXPECT_EQ(ErrorOf("wait 1\nexpect row \"Weather"), "line 2: a quote is left open");
    EXPECT_EQ(ErrorOf("wait 1\nexpect call AUDIO::SET_VOFX_PED_VOICE(...)"),
              "line 2: unknown native \"AUDIO::SET_VOFX_PED_VOICE\"; the nearest known is "
              "AUDIO::_SET_VOFX_PED_VOICE");
    EXPECT_EQ(ErrorOf("wait 1\nexpect call draw_sprite(...)"),
              "line 2: unknown native \"draw_sprite\"; the nearest known is GRAPHICS::DRAW_SPRITE")
        << "case as the reference writes it";
    EXPECT_EQ(ErrorOf("wait 1\nexpect call HUD::DRAW_SPRITE(...)"),
              "line 2: unknown native \"HUD::DRAW_SPRITE\"; the nearest known is GRAPHICS::DRAW_SPRITE")
        << "in its own namespace only";
    EXPECT_EQ(ErrorOf("wait 1\nexpect call AUDIO::PLAY_SOUND_FRONTEND(\"SELECT\", *)"),
              "line 2: AUDIO::PLAY_SOUND_FRONTEND takes 4 argument(s), the pattern has 2");
    EXPECT_EQ(ErrorOf("wait 1\nexpect call AUDIO::PLAY_SOUND_FRONTEND(..., *)"),
              "line 2: an argument of AUDIO::PLAY_SOUND_FRONTEND is empty or a \"...\" before the last");
    EXPECT_EQ(ErrorOf("wait 1\nexpect call get_clock_hours"),
              "line 2: a call is written NAME(ARGUMENTS), as in AUDIO::PLAY_SOUND_FRONTEND(\"SELECT\", ...)");
    EXPECT_EQ(ErrorOf("wait 1\nexpect weather"),
              "line 2: expect what? menu, page, counter, row, description, voice, call, no call or sound, "
              "not \"weather\"");
}

TEST(ExpectationParseTest, TheStepsAroundTimeAndTheGameRead) {
    const auto steps = session::ParseSession("repeat F8\npass 250 ms\nglobals lost\n");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].kind, session::StepKind::Repeat);
    EXPECT_EQ(steps[1].milliseconds, 250u);
    EXPECT_EQ(steps[2].kind, session::StepKind::LoseGlobals);
    EXPECT_EQ(ErrorOf("repeat down"), "line 1: only keys repeat (F8, Shift, F1, A, ...), not \"down\"");
    EXPECT_EQ(ErrorOf("pass 250"), "line 1: write \"pass N ms\", N from 1 to 60000, not \"pass 250\"");
    EXPECT_EQ(ErrorOf("globals gone"), "line 1: write \"globals lost\", not \"globals gone\"");
}

// The checker against frames the linked plug-in drew, on rows of the test's own.
class ExpectationCheckTest : public MenuTest {
  protected:
    std::optional<std::string> Check(const std::string& text) {
        return checker.Shortfall(ParseExpectation(text), host.recorder.Last(), host.game);
    }

    void Play(const std::string& script) {
        session::SessionObserver observer;
        observer.frame = [&](int, const session::SessionStep&, const sim::Frame& frame) {
            checker.See(frame);
        };
        session::RunSession(session::ParseSession(script), runner, observer);
    }

    // After Start: F8 opens the menu on rows of the test's own.
    void OpenOnRows() {
        ReleaseF8();
        runner.RunFrame();
        SetMainRows([this](Menu::Submenu* main) {
            main->AddToggle("Show hints", "", &hintsShown);
            main->AddList("Weather", "", {"Sun", "Rain"});
            main->AddOption("Speak", "", [] {
                const auto player = NativeInvoker::Invoke<std::uint32_t>(native::GetPlayerCharacter);
                const auto voice =
                    NativeInvoker::Invoke<std::uint32_t>(native::HashOfName, "VOFX_TEST_VOICE");
                NativeInvoker::Invoke(native::SetVoiceByHash, player, voice);
            });
        });
        runner.RunFrame();
    }

    bool hintsShown = false;
    session::Checker checker;
};

TEST_F(ExpectationCheckTest, TheMenuItsPageCounterAndRows) {
    Start();
    EXPECT_EQ(Check("menu closed"), std::nullopt);
    EXPECT_EQ(Check("menu open"), "menu closed");
    EXPECT_EQ(Check("row \"Row 1\""), "menu closed");

    OpenOnRows();
    EXPECT_EQ(Check("menu open"), std::nullopt);
    EXPECT_EQ(Check("page \"Main\""), std::nullopt);
    EXPECT_EQ(Check("page \"Main\" \"\""), std::nullopt);
    EXPECT_EQ(Check("page \"Fixture\" \"Main page\""), "page \"Main\" \"\"");
    EXPECT_EQ(Check("counter 1 of 3"), std::nullopt);
    EXPECT_EQ(Check("counter 2 of 3"), "counter 1 of 3");
    EXPECT_EQ(Check("row \"Show hints\" off"), std::nullopt);
    EXPECT_EQ(Check("row \"Show hints\" on"), "row \"Show hints\" off");
    EXPECT_EQ(Check("row \"Show hints\" value \"x\""), "row \"Show hints\" with no value");

    Play("tap select\ntap down");
    EXPECT_EQ(Check("row \"Weather\" value \"Sun\""), std::nullopt);
    EXPECT_EQ(Check("row \"Weather\" on"), "row \"Weather\" with no tick box");
    Play("tap up");
    EXPECT_EQ(Check("row \"Show hints\" on"), std::nullopt) << "Select flipped it";
    Play("tap down\ntap right");
    EXPECT_EQ(Check("row \"Weather\" value \"Evening\""), "row \"Weather\" value \"Rain\"");
}

TEST_F(ExpectationCheckTest, SoundsCallsAndTheVoice) {
    Start();
    OpenOnRows();
    EXPECT_EQ(Check("voice VOFX_TEST_VOICE"), "no voice set");
    Play("press down\nwait 1");
    EXPECT_EQ(Check("sound SELECT"), "sounds NAV_DOWN");
    Play("release down\nwait 1\ntap down");
    EXPECT_EQ(Check("sound NAV_DOWN"), "no sound") << "the tap's last frame lets the control go";
    Play("press select\nwait 1");
    EXPECT_EQ(Check("sound SELECT"), "no sound") << "Select acts on its release";
    Play("release select\nwait 1");

    EXPECT_EQ(Check("sound SELECT"), std::nullopt);
    EXPECT_EQ(Check("voice VOFX_TEST_VOICE"), std::nullopt);
    EXPECT_EQ(Check("voice VOFX_OTHER"), "voice VOFX_TEST_VOICE")
        << "named by the hash the plug-in asked for";
    EXPECT_EQ(Check(R"(call AUDIO::PLAY_SOUND_FRONTEND("SELECT", *, ...))"), std::nullopt);
    EXPECT_EQ(Check(R"(call AUDIO::PLAY_SOUND_FRONTEND("SELECT", "HUD_SHOP_SOUNDSET", 1, 0))"), std::nullopt);
    EXPECT_EQ(Check(R"(call AUDIO::PLAY_SOUND_FRONTEND("BACK", ...))"),
              R"(AUDIO::PLAY_SOUND_FRONTEND("SELECT", "HUD_SHOP_SOUNDSET", 1, 0))");
    EXPECT_EQ(Check("call GET_CLOCK_HOURS()"), "no call of CLOCK::GET_CLOCK_HOURS");
    EXPECT_EQ(Check("no call CLOCK::GET_CLOCK_HOURS()"), std::nullopt);
    const auto hashed = Check(R"(no call MISC::GET_HASH_KEY("VOFX_TEST_VOICE"))");
    ASSERT_TRUE(hashed);
    EXPECT_EQ(hashed->rfind(R"(MISC::GET_HASH_KEY("VOFX_TEST_VOICE") -> 0x)", 0), 0u) << *hashed;
}

// Every kind, on one frame: what it shows holds, any other value fails and
// says what the frame showed instead.
TEST_F(ExpectationCheckTest, EachKindFailsOnAValueTheFrameDoesNotShow) {
    Start();
    OpenOnRows();
    Play("tap down\ntap down\ntap select"); // "Speak": the voice, and Select's sound
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"menu open", std::nullopt},
        {"menu closed", "menu open"},
        {R"(page "Main")", std::nullopt},
        {R"(page "Any title")", R"(page "Main" "")"},
        {R"(page "Main" "Any subtitle")", R"(page "Main" "")"},
        {R"(page "Any title" "")", R"(page "Main" "")"},
        {"counter 3 of 3", std::nullopt},
        {"counter 2 of 3", "counter 3 of 3"},
        {"counter 3 of 4", "counter 3 of 3"},
        {R"(row "Speak")", std::nullopt},
        {R"(row "Weather")", R"(row "Speak")"},
        {R"(row "Speak" value "Sun")", R"(row "Speak" with no value)"},
        {R"(row "Speak" off)", R"(row "Speak" with no tick box)"},
        {"voice VOFX_TEST_VOICE", std::nullopt},
        {"voice VOFX_OTHER", "voice VOFX_TEST_VOICE"},
        {"sound SELECT", std::nullopt},
        {"sound BACK", "sounds SELECT"},
        {R"(call AUDIO::PLAY_SOUND_FRONTEND("SELECT", ...))", std::nullopt},
        {R"(call AUDIO::PLAY_SOUND_FRONTEND("BACK", ...))",
         R"(AUDIO::PLAY_SOUND_FRONTEND("SELECT", "HUD_SHOP_SOUNDSET", 1, 0))"},
        {R"(no call AUDIO::PLAY_SOUND_FRONTEND("BACK", ...))", std::nullopt},
        {R"(no call AUDIO::PLAY_SOUND_FRONTEND("SELECT", ...))",
         R"(AUDIO::PLAY_SOUND_FRONTEND("SELECT", "HUD_SHOP_SOUNDSET", 1, 0))"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(Check(text), shown) << "expect " << text;
    }
}

// What the newer rows show: a number's value, right-hand text, a disabled
// row, and the description an action wrote.
TEST_F(ExpectationCheckTest, NumbersRightHandTextDisabledRowsAndTheDescription) {
    Start();
    ReleaseF8();
    runner.RunFrame();
    std::int32_t hour = 13;
    SetMainRows([&hour](Menu::Submenu* main) {
        main->AddNumber("Hour", "Sets the clock.", &hour, 0, 23, 1);
        Menu::Option& horse = main->AddOption("Buy horse", "Costs $25.", {});
        horse.rightText = "$25";
        horse.isDisabled = true;
        main->AddOption("Speak", "", [] { Menu::SelectedRow()->description = "Spoken."; });
    });
    runner.RunFrame();
    const std::pair<const char*, std::optional<std::string>> onTheNumber[] = {
        {R"(row "Hour" value "13")", std::nullopt},
        {R"(row "Hour" value "14")", R"(row "Hour" value "13")"},
        {R"(row "Hour" right "13")", R"(row "Hour" with no right-hand text)"},
        {R"(row "Hour" enabled)", std::nullopt},
        {R"(row "Hour" disabled)", R"(row "Hour" enabled)"},
        {R"(description "Sets the clock.")", std::nullopt},
        {R"(description "Other")", R"(description "Sets the clock.")"},
    };
    for (const auto& [text, shown] : onTheNumber) {
        EXPECT_EQ(Check(text), shown) << "expect " << text;
    }
    Play("tap down");
    const std::pair<const char*, std::optional<std::string>> onTheHorse[] = {
        {R"(row "Buy horse" right "$25")", std::nullopt},
        {R"(row "Buy horse" right "$30")", R"(row "Buy horse" right "$25")"},
        // Without arrows the text at the right is the value, as a text row shows its own.
        {R"(row "Buy horse" value "$30")", R"(row "Buy horse" value "$25")"},
        {R"(row "Buy horse" disabled)", std::nullopt},
        {R"(row "Buy horse" enabled)", R"(row "Buy horse" disabled)"},
        {R"(description "Costs $25.")", std::nullopt},
    };
    for (const auto& [text, shown] : onTheHorse) {
        EXPECT_EQ(Check(text), shown) << "expect " << text;
    }
    Play("tap down\ntap select");
    EXPECT_EQ(Check(R"(description "Spoken.")"), std::nullopt) << "written by the action";
    Play("tap F8");
    EXPECT_EQ(Check(R"(description "Spoken.")"), "menu closed");
}

TEST(ExpectationFailureTest, NamesTheFileLineAndBothSides) {
    EXPECT_EQ(
        session::DescribeFailure("examples/example.session", 14,
                                 ParseExpectation(R"(row "Greeting" value "Evening")"),
                                 R"(row "Greeting" value "Howdy")"),
        R"(examples/example.session:14: expected row "Greeting" value "Evening", the frame showed row "Greeting" value "Howdy")");
}

} // namespace

namespace {

// Pointing at a row reads where the frame drew it, scrolled or not, as a
// player aims; a row not drawn cannot be pointed at.
class PointAtRowTest : public MenuTest {
  protected:
    std::optional<driver::InputEvent> Aim(int row, std::string& why) {
        session::SessionStep step;
        step.row = row;
        return session::PointAtRow(step, host.recorder.Last(), why);
    }
    // The slot (from 0) a place lands in, as the menu's rows stand.
    static float Slot(const driver::InputEvent& at) {
        return (at.y * static_cast<float>(screenHeight) - 270.0f) / rowPitch;
    }
};

TEST_F(PointAtRowTest, TheRowsMiddleWhereverTheWindowStandsAndNothingForARowNotDrawn) {
    std::string why;
    Start();
    EXPECT_FALSE(Aim(1, why));
    EXPECT_EQ(why, "the menu is not drawn");

    ReleaseF8();
    runner.RunFrame();
    SetMainRows([](Menu::Submenu* main) {
        for (int i = 0; i < 12; ++i) {
            main->AddOption("row " + std::to_string(i), "", {});
        }
    });
    runner.RunFrame();
    const std::optional<driver::InputEvent> third = Aim(3, why);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->kind, driver::InputKind::MoveCursor);
    EXPECT_NEAR(Slot(*third), 2.0f, 0.01f);
    EXPECT_GT(third->x * screenWidth, 92.0f) << "on the label, inside the column";
    EXPECT_LT(third->x * screenWidth, 313.0f);
    EXPECT_FALSE(Aim(9, why));
    EXPECT_EQ(why, "row 9 is scrolled out of sight");
    EXPECT_FALSE(Aim(13, why));
    EXPECT_EQ(why, "the page has rows 1 to 12");

    Controller().selectedIndex = 11; // rows 4 to 11 drawn, counted 5 to 12
    runner.RunFrame();
    const std::optional<driver::InputEvent> fifth = Aim(5, why);
    ASSERT_TRUE(fifth);
    EXPECT_NEAR(Slot(*fifth), 0.0f, 0.01f);
    EXPECT_FALSE(Aim(4, why)) << why;
}

TEST_F(PointAtRowTest, TheMouseAndTheKeyboardStepsReachTheGame) {
    Start();
    session::RunSession(session::ParseSession("point at 0.25 0.75\ntype \"ignored\""), runner, {});
    EXPECT_EQ(host.game.cursorX, 0.25f);
    EXPECT_EQ(host.game.cursorY, 0.75f);
    EXPECT_EQ(host.game.keyboard.text, "") << "typed with no keyboard open, it goes nowhere";

    host.game.keyboard.state = sim::OnscreenKeyboard::State::Editing;
    host.game.keyboard.maxLength = 4;
    session::RunSession(session::ParseSession("type \"Arthur\"\nkeyboard done"), runner, {});
    EXPECT_EQ(host.game.keyboard.text, "Arth") << "the game's box takes no more than its length";
    EXPECT_EQ(host.game.keyboard.state, sim::OnscreenKeyboard::State::Finished);

    host.game.keyboard.state = sim::OnscreenKeyboard::State::Editing;
    session::RunSession(session::ParseSession("keyboard cancel"), runner, {});
    EXPECT_EQ(host.game.keyboard.state, sim::OnscreenKeyboard::State::Cancelled);
    EXPECT_THROW(session::RunSession(session::ParseSession("wait 1\npoint at row 2"), runner, {}),
                 session::SessionError)
        << "the menu is closed: the session cannot be played on";
}

} // namespace
