// Rows that take typed text: Select opens the game's on-screen keyboard, the
// menu then only asks it once a frame, and what the player typed lands in the
// row's string, kept within its length and valid UTF-8.
#include "tests/StrictReading.h"
#include "tests/support/MenuFixture.h"

#include "menu/TextEntry.h"

#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

using Menu::Submenu;
using Menu::TypedText;
using State = sim::OnscreenKeyboard::State;

class TextEntryTest : public MenuTest {
  protected:
    // The main page with a text row first, a plain row after it.
    void StartWithTextRow(std::int32_t maxLength = 10) {
        StartOpen();
        SetMainRows([this, maxLength](Submenu* submenu) {
            submenu->AddTextEntry("Name", "Types a name.", &name, maxLength, Watch(seen, 0));
            submenu->AddOption("After", "", {});
        });
        runner.RunFrame();
    }
    void Finish(const std::string& typed) {
        host.game.keyboard.Type(typed);
        host.game.keyboard.Finish();
        runner.RunFrame();
    }
    // What the last frame drew right-aligned on the first row: its value.
    std::string ValueShown() const {
        for (const DrawnText& text : ReadDrawing(host.recorder.Last()).texts) {
            if (text.format.align == readback::Align::Right && text.y > 250.0f / 1080.0f &&
                text.y < 260.0f / 1080.0f) {
                return text.Inner();
            }
        }
        return "<none>";
    }

    std::string name = "Arthur";
    std::vector<ActionSight> seen;
};

TEST(TextEntryRowTest, NeedsAStringAndRoomForACharacter) {
    Submenu page;
    std::string target = "x";
    EXPECT_THROW(page.AddTextEntry("Name", "", nullptr, 5), std::invalid_argument);
    EXPECT_THROW(page.AddTextEntry("Name", "", &target, 0), std::invalid_argument);
    EXPECT_THROW(page.AddTextEntry("Name", "", &target, -3), std::invalid_argument);
    EXPECT_EQ(page.optionCount, 0);
    const Menu::Option& row = page.AddTextEntry("Name", "Types.", &target, 5);
    EXPECT_TRUE(row.isTextEntry);
    EXPECT_FALSE(row.isAction) << "Select opens the keyboard, it runs no action first";
    EXPECT_EQ(row.textTarget, &target);
    EXPECT_EQ(row.textMaxLength, 5);
    EXPECT_EQ(row.rightText, "x");
}

TEST_F(TextEntryTest, SelectOpensTheKeyboardOnTheValueAndTheMenuOnlyAsksItWhileItIsOpen) {
    StartWithTextRow();
    EXPECT_EQ(ValueShown(), "Arthur");
    Tap(Menu::SelectControl);
    const std::vector<std::string> calls = Calls();
    EXPECT_NE(
        std::find(calls.begin(), calls.end(),
                  "MISC::DISPLAY_ONSCREEN_KEYBOARD(0, \"Name\", \"\", \"Arthur\", \"\", \"\", \"\", 10)"),
        calls.end());
    EXPECT_EQ(Sounds(), std::vector<std::string>{"SELECT/HUD_SHOP_SOUNDSET"});
    ASSERT_EQ(host.game.keyboard.state, State::Editing);

    host.game.PressControl(Menu::DownControl);
    ReleaseF8();
    runner.RunFrame();
    EXPECT_EQ(Count("input_device_query"), 0) << "the keys are the keyboard's";
    EXPECT_EQ(Count("MISC::UPDATE_ONSCREEN_KEYBOARD"), 1);
    EXPECT_EQ(Count("MISC::GET_ONSCREEN_KEYBOARD_RESULT"), 0) << "nothing to read while editing";
    EXPECT_EQ(Controller().selectedIndex, 0);
    EXPECT_TRUE(Controller().isOpen);
    EXPECT_EQ(ValueShown(), "Arthur") << "the menu keeps drawing";
    EXPECT_TRUE(seen.empty());
}

// Disabled, a text row refuses as every row does; its value still follows
// its string, changed by other code, and dims with it.
TEST_F(TextEntryTest, TheKeyboardIsHandedTheRowsTextsAsValidUtf8) {
    StartOpen();
    name = "Ar\xffthur";
    SetMainRows([this](Submenu* submenu) { submenu->AddTextEntry("N\xc3(me", "", &name, 10); });
    Tap(Menu::SelectControl);
    EXPECT_EQ(host.game.keyboard.title, "N?(me");
    EXPECT_EQ(host.game.keyboard.defaultText, "Ar?thur");
    EXPECT_EQ(name, "Ar\xffthur") << "the row's own string is the plug-in's";
}

TEST_F(TextEntryTest, ADisabledTextRowRefusesAndStillShowsItsString) {
    StartWithTextRow();
    Shown().options[0].isDisabled = true;
    Tap(Menu::SelectControl);
    EXPECT_EQ(Count("MISC::DISPLAY_ONSCREEN_KEYBOARD"), 0);
    EXPECT_EQ(host.game.keyboard.state, State::Closed);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"UNAFFORDABLE/Ledger_Sounds"});
    name = "Dutch";
    runner.RunFrame();
    EXPECT_EQ(ValueShown(), "Dutch");
}

TEST_F(TextEntryTest, FinishedTheTypedTextIsTheValueAndTheActionRunsForItsRow) {
    StartWithTextRow();
    Tap(Menu::SelectControl);
    Finish("Sadie");
    EXPECT_EQ(name, "Sadie");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].invoking);
    EXPECT_FALSE(Shown().options[0].frame.invoking) << "only while the action runs";
    EXPECT_EQ(ValueShown(), "Sadie") << "drawn in the same frame";
    EXPECT_EQ(Count("MISC::GET_ONSCREEN_KEYBOARD_RESULT"), 1) << "read in the frame that said finished";

    runner.RunFrame();
    EXPECT_EQ(Count("MISC::UPDATE_ONSCREEN_KEYBOARD"), 0) << "no longer asked";
    Tap(Menu::DownControl);
    EXPECT_EQ(Controller().selectedIndex, 1) << "the keys move again";

    name = "John"; // changed by other code
    runner.RunFrame();
    EXPECT_EQ(ValueShown(), "John");
}

// Each way the keyboard can end without a new value: the value stays, no
// action runs, the keyboard is no longer asked and the keys move again. The
// page registered anew without the row comes last, as it takes the row away.
TEST_F(TextEntryTest, EndedWithoutANewValueTheValueStays) {
    StartWithTextRow();
    sim::OnscreenKeyboard& box = host.game.keyboard;
    const struct {
        const char* end;
        std::function<void()> ending;
    } cases[] = {
        {"cancelled",
         [&box] {
             box.Type("Dutch");
             box.Cancel();
         }},
        {"closed by the game", [&box] { box.state = State::Closed; }},
        {"finished without a result",
         [&box] {
             box.nullResult = true;
             box.Finish();
         }},
        {"an answer the game does not give",
         [this] {
             host.game.answerOverride = [](const sim::NativeCall& call) -> std::optional<std::uint64_t> {
                 return call.Is(native::UpdateOnscreenKeyboard) ? std::optional<std::uint64_t>(0xffffffffu)
                                                                : std::nullopt;
             };
         }},
        {"its page registered again without it",
         [this, &box] {
             SetMainRows([](Submenu*) {});
             box.Finish();
         }},
    };
    for (const auto& c : cases) {
        Controller().selectedIndex = 0;
        runner.RunFrame(); // Select counts again once its control is seen up
        Tap(Menu::SelectControl);
        ASSERT_EQ(box.state, State::Editing) << c.end;
        c.ending();
        runner.RunFrame();
        host.game.answerOverride = {};
        box.nullResult = false;
        EXPECT_EQ(name, "Arthur") << c.end;
        EXPECT_TRUE(seen.empty()) << c.end;
        runner.RunFrame();
        EXPECT_EQ(Count("MISC::UPDATE_ONSCREEN_KEYBOARD"), 0) << c.end;
        Tap(Menu::DownControl);
        EXPECT_EQ(Controller().selectedIndex, Shown().optionCount > 1 ? 1 : 0) << c.end;
    }
}

TEST_F(TextEntryTest, RowsReplacedWhileTypingKeepTheSelectionOnARow) {
    StartWithTextRow();
    Tap(Menu::DownControl);
    SetMainRows([this](Submenu* submenu) {
        submenu->AddOption("Before", "", {});
        submenu->AddTextEntry("Name", "", &name, 10);
    });
    Tap(Menu::SelectControl);
    ASSERT_EQ(host.game.keyboard.state, State::Editing);
    SetMainRows([](Submenu* submenu) { submenu->AddOption("Only", "", {}); });
    runner.RunFrame();
    EXPECT_EQ(Controller().selectedIndex, 0);
    EXPECT_EQ(ReadDrawing(host.recorder.Last()).texts.at(2).Inner(), "1 of 1");
}

TEST_F(TextEntryTest, TheKeyThatFinishedTheKeyboardDoesNotOpenItAgain) {
    StartWithTextRow();
    Tap(Menu::SelectControl);
    // Enter finishes the keyboard and is let go frames later.
    host.game.PressControl(Menu::SelectControl);
    Finish("Sadie");
    runner.RunFrame();
    host.game.ReleaseControl(Menu::SelectControl);
    runner.RunFrame();
    EXPECT_EQ(host.game.keyboard.state, State::Closed);
    EXPECT_EQ(Count("MISC::DISPLAY_ONSCREEN_KEYBOARD"), 0);
    Tap(Menu::SelectControl);
    EXPECT_EQ(host.game.keyboard.state, State::Editing) << "a fresh press opens it";
}

TEST_F(TextEntryTest, AResultLongerThanTheRowTakesIsCutAtItsLength) {
    StartWithTextRow(4);
    Tap(Menu::SelectControl);
    host.game.keyboard.rawResult = "Micah Bell";
    Finish("");
    EXPECT_EQ(name, "Mica");
}

TEST(TypedTextTest, KeepsAtMostMaxLengthCharactersOfValidUtf8) {
    EXPECT_EQ(TypedText("Arthur", 20), "Arthur");
    EXPECT_EQ(TypedText("Arthur", 3), "Art");
    EXPECT_EQ(TypedText("\xc3\xa9t\xc3\xa9", 2), "\xc3\xa9t") << "characters, not bytes";
    EXPECT_EQ(TypedText("\xf0\x9f\x90\x8e!", 1), "\xf0\x9f\x90\x8e") << "a four-byte character is one";
    EXPECT_EQ(TypedText("", 5), "");
    EXPECT_EQ(TypedText(nullptr, 5), "");
    EXPECT_EQ(TypedText("Arthur", 0), "") << "a length the row never has";
}

TEST(TypedTextTest, EachByteOfNoValidCharacterBecomesAQuestionMark) {
    EXPECT_EQ(TypedText("a\xff"
                        "b",
                        10),
              "a?b");
    EXPECT_EQ(TypedText("\x80\xbf", 10), "??") << "stray continuation bytes";
    EXPECT_EQ(TypedText("\xc0\xaf", 10), "??") << "an overlong slash";
    EXPECT_EQ(TypedText("\xe0\x80\xaf", 10), "???") << "overlong in three bytes";
    EXPECT_EQ(TypedText("\xed\xa0\x80", 10), "???") << "a surrogate";
    EXPECT_EQ(TypedText("\xf4\x90\x80\x80", 10), "????") << "past U+10FFFF";
    EXPECT_EQ(TypedText("ok\xe2\x82", 10), "ok??") << "cut short at the end";
    EXPECT_EQ(TypedText("\xe2\x82\xac", 10), "\xe2\x82\xac") << "a whole euro sign stays";
    EXPECT_EQ(TypedText("\xff\xff\xff", 2), "??") << "a replaced byte counts as a character";
}

TEST(TypedTextTest, AResultWithoutItsEndIsReadNoFurtherThanTheLengthCouldReach) {
    // Four bytes a character at most: 3 characters never need more than 12.
    const auto bytes = std::make_unique<char[]>(12);
    std::memset(bytes.get(), 'x', 12);
    EXPECT_EQ(TypedText(bytes.get(), 3), "xxx");
    std::memcpy(bytes.get(), "\xf0\x9f\x90\x8e\xf0\x9f\x90\x8e\xf0\x9f\x90\x8e", 12);
    EXPECT_EQ(TypedText(bytes.get(), 3), "\xf0\x9f\x90\x8e\xf0\x9f\x90\x8e\xf0\x9f\x90\x8e");
}

} // namespace
