// Pages longer than their window: Page Up and Down, asked only there, and a
// frame that draws the window's rows whatever the page holds.
#include "tests/support/MenuFixture.h"

#include "sim/NativeTable.h"

#include <string>

namespace {

using Menu::Submenu;
using LongPageTest = MenuTest;

// One letter a row: S a heading, anything else an action row named row N.
std::function<void(Submenu*)> Layout(std::string rows) {
    return [rows](Submenu* submenu) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i] == 'S') {
                submenu->AddSeparator("heading " + std::to_string(i));
            } else {
                submenu->AddOption("row " + std::to_string(i), "", {});
            }
        }
    };
}

std::function<void(Submenu*)> Rows(int count) {
    return Layout(std::string(static_cast<std::size_t>(count), 'A'));
}

long Asked(const sim::Frame& frame, std::uint32_t control) {
    return std::count_if(frame.begin(), frame.end(), [control](const sim::NativeCall& call) {
        return call.Is(native::ControlJustPressed) && call.args.size() == 2 && call.U32(1) == control;
    });
}

TEST_F(LongPageTest, PageJumpsMoveAWindowStopAtTheEndsAndPassHeadings) {
    struct Case {
        const char* what;
        std::string rows;
        std::int32_t from;
        std::uint32_t control;
        std::int32_t to;
        const char* sound; // "" for none
    };
    const std::string twenty(20, 'A');
    const Case cases[] = {
        {"down a window", twenty, 0, Menu::PageDownControl, 8, "NAV_DOWN"},
        {"down stops at the last row", twenty, 15, Menu::PageDownControl, 19, "NAV_DOWN"},
        {"down at the last row stays", twenty, 19, Menu::PageDownControl, 19, ""},
        {"up a window", twenty, 19, Menu::PageUpControl, 11, "NAV_UP"},
        {"up stops at the first row", twenty, 3, Menu::PageUpControl, 0, "NAV_UP"},
        {"up at the first row stays", twenty, 0, Menu::PageUpControl, 0, ""},
        {"a heading passed down", "AAAAAAAASSAAAA", 0, Menu::PageDownControl, 10, "NAV_DOWN"},
        {"headings at the end: the last row", "AAAAAAAAAAASS", 2, Menu::PageDownControl, 10, "NAV_DOWN"},
        {"a heading first: the row below it", "SAAAAAAAAAAAA", 5, Menu::PageUpControl, 1, "NAV_UP"},
        {"only headings beyond: stays", "AAAAAAAAASSSSSSSSSS", 8, Menu::PageDownControl, 8, ""},
    };
    StartOpen();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetMainRows(Layout(c.rows));
        Controller().selectedIndex = c.from;
        Tap(c.control);
        EXPECT_EQ(Controller().selectedIndex, c.to);
        const std::vector<std::string> sounds =
            *c.sound ? std::vector<std::string>{std::string(c.sound) + "/Ledger_Sounds"}
                     : std::vector<std::string>{};
        EXPECT_EQ(Sounds(), sounds);
    }
}

TEST_F(LongPageTest, PageControlsAreAskedOnlyWhileThePageIsLongerThanItsWindow) {
    StartOpen();
    for (const int rows : {8, 9}) {
        SCOPED_TRACE(rows);
        SetMainRows(Rows(rows));
        const sim::Frame& frame = Tap(Menu::PageDownControl);
        const long expected = rows > 8 ? 1 : 0;
        EXPECT_EQ(Asked(frame, Menu::PageDownControl), expected);
        EXPECT_EQ(Asked(frame, Menu::PageUpControl), expected);
        EXPECT_EQ(Controller().selectedIndex, rows > 8 ? 8 : 0);
    }
    Controller().SetOpen(false);
    runner.RunFrame();
    EXPECT_EQ(Asked(host.recorder.Last(), Menu::PageDownControl), 0) << "closed";
}

// A frame of a page of 2,000 rows makes the calls a page of twenty makes on
// the same place: no row outside the window is drawn or asked about.
TEST_F(LongPageTest, AFrameOfALongPageDrawsOnlyItsWindow) {
    StartOpen();
    const auto drawnCalls = [this](int rows, std::int32_t selected) {
        SetMainRows(Rows(rows));
        Controller().selectedIndex = selected;
        runner.RunFrame();
        return host.recorder.Last().size();
    };
    EXPECT_EQ(drawnCalls(2000, 15), drawnCalls(20, 15));
    drawnCalls(2000, 1500);
    const readback::MenuState shown = readback::ReadMenu(host.recorder.Last());
    EXPECT_EQ(shown.selectedRow, "row 1500");
    EXPECT_EQ(shown.counterText, "1501 of 2000");
    const readback::Drawing drawing = readback::ReadDrawing(host.recorder.Last(), readback::Reading::Lenient);
    std::string why;
    EXPECT_TRUE(readback::RowPlace(drawing, 1494, why)) << why << ": the window's top row";
    EXPECT_FALSE(readback::RowPlace(drawing, 1493, why)) << "above the window";
}

} // namespace
