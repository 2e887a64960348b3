// The mouse on the open menu: off unless a plug-in turns it on, a cursor that
// moves onto a row selects it, clicks select and step, the wheel moves, a
// right click goes back, and a click or a position off the menu does nothing.
#include "tests/StrictReading.h"
#include "tests/support/MenuFixture.h"

#include "host/GameControls.h"
#include "menu/Layout.h"
#include "menu/Style.h"

#include <cmath>
#include <limits>
#include <tuple>

namespace {

using Menu::Submenu;

class MouseTest : public MenuTest {
  protected:
    // The menu open and the cursor shown, in the middle of the screen, off the menu.
    void StartWithMouse() {
        StartOpen();
        Controller().mouseEnabled = true;
        runner.RunFrame();
    }

    // The cursor onto the middle of row `row`'s box in slot `slot` (from 0), a frame later.
    void PointAtSlot(int slot, float x = 200.0f) { Point(x, 270.0f + static_cast<float>(slot) * rowPitch); }
    // The cursor to (x, y) in layout pixels, then a frame.
    void Point(float x, float y) {
        host.game.cursorX = x / screenWidth;
        host.game.cursorY = y / screenHeight;
        runner.RunFrame();
    }
    void Click(std::uint32_t button = control::INPUT_CURSOR_ACCEPT) {
        driver::Play(runner, driver::TapControl(button));
    }

    // The last frame took the control from the game.
    bool Disabled(std::uint32_t control) const {
        const sim::Frame& frame = host.recorder.Last();
        return std::any_of(frame.begin(), frame.end(), [control](const sim::NativeCall& call) {
            return call.Is(native::DisableControl) && call.U32(0) == 0 && call.U32(1) == control;
        });
    }
};

std::function<void(Submenu*)> Rows(int count, int* selected = nullptr) {
    return [count, selected](Submenu* submenu) {
        for (int i = 0; i < count; ++i) {
            submenu->AddOption("row " + std::to_string(i), "", [selected, i] {
                if (selected != nullptr) {
                    *selected = i;
                }
            });
        }
    };
}

TEST_F(MouseTest, NothingOfTheMouseIsAskedUnlessTurnedOnWithKeyboardAndMouseWhileOpen) {
    StartOpen();
    runner.RunFrame();
    EXPECT_EQ(Count("INTERACTION::SET_MOUSE_CURSOR_THIS_FRAME"), 0) << "off by default";
    EXPECT_EQ(Count("PAD::GET_DISABLED_CONTROL_NORMAL"), 0);

    Controller().mouseEnabled = true;
    runner.RunFrame();
    const std::vector<std::string> calls = Calls();
    const auto shown = std::find(calls.begin(), calls.end(), "INTERACTION::SET_MOUSE_CURSOR_THIS_FRAME()");
    ASSERT_NE(shown, calls.end());
    EXPECT_EQ(*(shown - 1), "HUD::_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED(2, 0) -> 0")
        << "after the keys' and prompts' reads";
    EXPECT_EQ(std::vector<std::string>(shown, shown + 7),
              (std::vector<std::string>{
                  "INTERACTION::SET_MOUSE_CURSOR_THIS_FRAME()",
                  "PAD::GET_DISABLED_CONTROL_NORMAL(0, INPUT_CURSOR_X) -> 0.5",
                  "PAD::GET_DISABLED_CONTROL_NORMAL(0, INPUT_CURSOR_Y) -> 0.5",
                  "PAD::IS_DISABLED_CONTROL_JUST_RELEASED(0, INPUT_CURSOR_ACCEPT) -> 0",
                  "PAD::IS_DISABLED_CONTROL_JUST_RELEASED(0, INPUT_CURSOR_CANCEL) -> 0",
                  "PAD::IS_DISABLED_CONTROL_JUST_PRESSED(0, INPUT_CURSOR_SCROLL_UP) -> 0",
                  "PAD::IS_DISABLED_CONTROL_JUST_PRESSED(0, INPUT_CURSOR_SCROLL_DOWN) -> 0",
              }));
    EXPECT_FALSE(Disabled(control::INPUT_CURSOR_ACCEPT))
        << "the cursor in the middle of the screen is off the menu: nothing of it is suppressed";

    host.game.gamepad = true;
    runner.RunFrame();
    EXPECT_EQ(Count("INTERACTION::SET_MOUSE_CURSOR_THIS_FRAME"), 0) << "a controller in use";
    host.game.gamepad = false;
    ReleaseF8();
    runner.RunFrame();
    ASSERT_FALSE(Controller().isOpen);
    runner.RunFrame();
    EXPECT_EQ(Count("INTERACTION::SET_MOUSE_CURSOR_THIS_FRAME"), 0) << "the menu closed";
}

TEST_F(MouseTest, ACursorMovingOntoARowSelectsItOnceAndOneAtRestLeavesTheKeysTheirWay) {
    StartWithMouse();
    PointAtSlot(3);
    EXPECT_EQ(Controller().selectedIndex, 3);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_DOWN/Ledger_Sounds"});
    PointAtSlot(3, 260.0f);
    EXPECT_TRUE(Sounds().empty()) << "moving within the row it is on selects nothing again";

    Tap(Menu::DownControl);
    runner.RunFrames(2);
    EXPECT_EQ(Controller().selectedIndex, 4) << "a cursor at rest does not take the selection back";

    PointAtSlot(1);
    EXPECT_EQ(Controller().selectedIndex, 1);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_UP/Ledger_Sounds"}) << "up, by where the row stands";
}

TEST_F(MouseTest, AHeadingAndThePlacesBesideTheRowsSelectNothing) {
    StartWithMouse();
    SetMainRows([](Submenu* submenu) {
        submenu->AddOption("first", "", {});
        submenu->AddSeparator("heading");
        submenu->AddOption("third", "", {});
    });
    PointAtSlot(1);
    EXPECT_EQ(Controller().selectedIndex, 0) << "a heading cannot be selected";
    Click();
    EXPECT_TRUE(Sounds().empty()) << "nor clicked";
    PointAtSlot(5);
    EXPECT_EQ(Controller().selectedIndex, 0) << "below the last row";
    Point(560.0f, 270.0f);
    EXPECT_EQ(Controller().selectedIndex, 0) << "right of the column, on the backdrop";
}

// The column's edges belong to it; a hair outside either is the backdrop.
TEST_F(MouseTest, TheColumnsEdgesAreOnItAndAHairOutsideIsNot) {
    StartWithMouse();
    const Menu::Columns columns = Menu::ColumnsOf(Menu::style);
    // A cursor fraction that lands exactly on x in layout pixels.
    const auto exactly = [](float x) {
        float fraction = x / screenWidth;
        while (fraction * screenWidth < x) {
            fraction = std::nextafter(fraction, 1.0f);
        }
        while (fraction * screenWidth > x) {
            fraction = std::nextafter(fraction, 0.0f);
        }
        EXPECT_EQ(fraction * screenWidth, x);
        return fraction;
    };
    const struct {
        float x;
        bool on;
    } places[] = {{columns.left, true},
                  {std::nextafter(columns.left, 0.0f), false},
                  {columns.right, true},
                  {std::nextafter(columns.right, 2000.0f), false}};
    int slot = 1;
    for (const auto& place : places) {
        host.game.cursorX = exactly(place.x);
        host.game.cursorY = (270.0f + static_cast<float>(slot) * rowPitch) / screenHeight;
        runner.RunFrame();
        EXPECT_EQ(Controller().selectedIndex == slot, place.on) << place.x;
        ++slot;
    }
}

TEST_F(MouseTest, AClickIsSelectOnTheRowUnderTheCursorAndOnAListsArrowsAStep) {
    StartWithMouse();
    int ran = -1;
    SetMainRows([&ran](Submenu* submenu) {
        Rows(2, &ran)(submenu);
        submenu->AddList("Weather", "", {"Rain", "Snow", "Sun"});
    });
    PointAtSlot(1);
    Tap(Menu::UpControl);
    ASSERT_EQ(Controller().selectedIndex, 0);
    Click();
    EXPECT_EQ(ran, 1) << "the row under the cursor, not the one the keys selected";
    EXPECT_EQ(Controller().selectedIndex, 1);

    const Menu::Option& list = Shown().options[2];
    PointAtSlot(2, 520.0f); // on the right arrow, at the row's right end
    Click();
    EXPECT_EQ(list.valueText, "Snow");
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_RIGHT/PAUSE_MENU_SOUNDSET"});
    // "Snow": the left arrow ends 5 pixels before the value, about 4 x 12 pixels wide.
    PointAtSlot(2, 526.0f - 18.0f - 5.0f - 44.0f - 5.0f - 9.0f);
    Click();
    EXPECT_EQ(list.valueText, "Rain");
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_LEFT/PAUSE_MENU_SOUNDSET"});
    PointAtSlot(2, 150.0f); // on the label
    Click();
    EXPECT_EQ(list.valueText, "Snow") << "Select on a list steps right";
    EXPECT_EQ(Sounds(), std::vector<std::string>{"SELECT/HUD_SHOP_SOUNDSET"});
}

TEST_F(MouseTest, TheWheelMovesARightClickGoesBackAndTheirControlsAreTheMenusOnlyOverIt) {
    StartWithMouse();
    PointAtSlot(0);
    Click(control::INPUT_CURSOR_SCROLL_DOWN);
    EXPECT_EQ(Controller().selectedIndex, 1);
    EXPECT_TRUE(Disabled(control::INPUT_CURSOR_SCROLL_DOWN)) << "the game does not scroll too";
    Click(control::INPUT_CURSOR_SCROLL_UP);
    Click(control::INPUT_CURSOR_SCROLL_UP);
    EXPECT_EQ(Controller().selectedIndex, 5) << "up from the first row wraps, as the key does";

    Point(1500.0f, 500.0f); // off the menu
    Click(control::INPUT_CURSOR_SCROLL_DOWN);
    Click();
    Click(control::INPUT_CURSOR_CANCEL);
    EXPECT_EQ(Controller().selectedIndex, 5);
    EXPECT_TRUE(Controller().isOpen) << "clicks off the menu are the game's";
    EXPECT_FALSE(Disabled(control::INPUT_CURSOR_ACCEPT));

    Point(300.0f, 120.0f); // on the banner
    Click(control::INPUT_CURSOR_CANCEL);
    EXPECT_FALSE(Controller().isOpen) << "Back on the main page closes the menu";
}

TEST_F(MouseTest, APositionThatIsNoPlaceOnTheScreenIsOffTheMenu) {
    StartWithMouse();
    PointAtSlot(2);
    ASSERT_EQ(Controller().selectedIndex, 2);
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float infinity = std::numeric_limits<float>::infinity();
    const std::pair<float, float> nowhere[] = {{nan, 0.3f},       {0.1f, nan},    {infinity, 0.3f},
                                               {0.1f, -infinity}, {-0.01f, 0.3f}, {0.1f, 1.5f}};
    for (const auto& [x, y] : nowhere) {
        host.game.cursorX = x;
        host.game.cursorY = y;
        runner.RunFrame();
        Click();
        EXPECT_EQ(Controller().selectedIndex, 2) << x << ", " << y;
        EXPECT_TRUE(Sounds().empty()) << x << ", " << y;
        EXPECT_FALSE(Disabled(control::INPUT_CURSOR_ACCEPT)) << x << ", " << y;
    }
    PointAtSlot(4);
    EXPECT_EQ(Controller().selectedIndex, 4) << "a real place again";
}

TEST_F(MouseTest, InAScrolledPageTheRowUnderTheCursorIsTheOneDrawnThere) {
    StartWithMouse();
    int ran = -1;
    SetMainRows(Rows(12, &ran));
    Controller().selectedIndex = 11; // rows 4 to 11 in slots 0 to 7
    runner.RunFrame();
    PointAtSlot(7);
    Click();
    EXPECT_EQ(ran, 11);
    PointAtSlot(6);
    EXPECT_EQ(Controller().selectedIndex, 10) << "row 10 stood in slot 6";
    // The window stays where it is while the cursor selects within it: rows
    // 4 to 11 still, so a click, frames later, acts on the row pointed at.
    PointAtSlot(0);
    EXPECT_EQ(Controller().selectedIndex, 4);
    runner.RunFrames(2);
    EXPECT_EQ(Controller().selectedIndex, 4);
    Click();
    EXPECT_EQ(ran, 4) << "a click takes the row drawn under the cursor";
    // The keys move within the held window; past its top it follows the
    // selection, and once at the top rows the selection alone places it.
    for (const auto& [control, selected, first] : {std::tuple{Menu::DownControl, 5, 4},
                                                   {Menu::UpControl, 4, 4},
                                                   {Menu::UpControl, 3, 3},
                                                   {Menu::UpControl, 2, 2},
                                                   {Menu::UpControl, 1, 1},
                                                   {Menu::UpControl, 0, 0},
                                                   {Menu::DownControl, 1, 0},
                                                   {Menu::UpControl, 0, 0},
                                                   {Menu::UpControl, 11, 4}}) {
        driver::Play(runner, driver::TapControl(control));
        EXPECT_EQ(Controller().selectedIndex, selected);
        EXPECT_EQ(Menu::ShownWindow().first, first) << "on row " << selected;
    }
    EXPECT_FALSE(Controller().frame.heldWindow.held);
}

TEST_F(MouseTest, AnotherLookIsHitWhereItIsDrawn) {
    StartWithMouse();
    Menu::style.left = 900.0f;
    Menu::style.width = 300.0f;
    PointAtSlot(3, 200.0f);
    EXPECT_EQ(Controller().selectedIndex, 0) << "where the column stood";
    PointAtSlot(3, 1000.0f);
    EXPECT_EQ(Controller().selectedIndex, 3);
}

// Numbers step by their arrows as lists do, beside a badge too; a disabled
// row refuses the click as it refuses Select; the cursor's selection runs
// the row's hover as the keys' does.
TEST_F(MouseTest, TheNewerRowsAnswerTheMouseAsTheyAnswerTheKeys) {
    StartWithMouse();
    static std::int32_t hour = 2;
    static std::int32_t badged = 0;
    hour = 2;
    badged = 0;
    int hovered = 0;
    bool bought = false;
    SetMainRows([&](Submenu* submenu) {
        submenu->AddNumber("Hour", "", &hour, 0, 23, 1);
        Menu::Option& horse = submenu->AddOption("Buy horse", "", [&bought] { bought = true; });
        horse.isDisabled = true;
        horse.onHover = [&hovered] { ++hovered; };
        Menu::Option& badgedRow = submenu->AddNumber("Badged", "", &badged, 0, 9, 1);
        badgedRow.badgeDictionary = "generic_textures";
        badgedRow.badgeTexture = "tick";
    });
    PointAtSlot(0, 520.0f); // the right arrow, at the row's right end
    Click();
    EXPECT_EQ(hour, 3);
    // "3": the left arrow ends 5 pixels before the value, about 12 pixels wide.
    PointAtSlot(0, 526.0f - 18.0f - 5.0f - 12.0f - 5.0f - 9.0f);
    Click();
    EXPECT_EQ(hour, 2);

    PointAtSlot(1);
    EXPECT_EQ(hovered, 1) << "the cursor moving onto the row";
    Click();
    EXPECT_FALSE(bought);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"UNAFFORDABLE/Ledger_Sounds"});

    PointAtSlot(2, 520.0f - 36.0f); // beside the badge the arrows stand further left
    Click();
    EXPECT_EQ(badged, 1);
}

// Wherever the frame drew a row, in a window of any size, the cursor finds
// it there: near its box's bottom edge, on its label's side.
TEST_F(MouseTest, EachRowIsWhereItIsDrawnInAWindowOfAnySize) {
    StartWithMouse();
    int chosen = -1;
    SetMainRows(Rows(3, &chosen));
    for (const auto& [width, height] :
         {std::pair{1280, 720}, std::pair{3440, 1440}, std::pair{3840, 2160}, std::pair{160, 40}}) {
        windowScale = Menu::ScaleOfWindow(width, height);
        const readback::Drawing drawn = ReadDrawing(runner.RunFrame());
        const std::vector<DrawnSprite> boxes = SpritesNamed(drawn, "selection_box_bg_1c");
        ASSERT_EQ(boxes.size(), 3u);
        for (const std::size_t row : {2u, 0u, 1u}) {
            host.game.cursorX = boxes[row].x - boxes[row].width * 0.4f;
            host.game.cursorY = boxes[row].y + boxes[row].height * 0.4f;
            runner.RunFrame();
            Click();
            EXPECT_EQ(chosen, static_cast<int>(row)) << width << "x" << height;
        }
    }
}

} // namespace
