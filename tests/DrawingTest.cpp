#include "readback/MenuState.h"
#include "tests/StrictReading.h"
#include "tests/support/MenuLayout.h"
#include "tests/support/PluginFixture.h"

#include "menu/TextStore.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>

namespace {

const std::string LeftArrow = "<img src='img://menu_textures/selection_arrow_left' height='18' width='18'/> ";
const std::string RightArrow =
    " <img src='img://menu_textures/selection_arrow_right' height='18' width='18'/>";
const std::string Tick = "<img src='img://generic_textures/tick' height='30' width='30'/>";
const std::string TickBox = "<img src='img://generic_textures/tick_box' height='30' width='30'/>";

// Expected sprites come in layout pixels, as the layout gives them.
DrawnSprite Sprite(const menu_layout::SpritePlace& p) {
    return {p.dictionary,
            p.texture,
            p.x / screenWidth,
            p.y / screenHeight,
            p.width / screenWidth,
            p.height / screenHeight,
            p.rotation,
            {p.red, p.green, p.blue, p.alpha}};
}

std::vector<DrawnSprite> Sprites(const std::vector<menu_layout::SpritePlace>& places) {
    std::vector<DrawnSprite> sprites;
    for (const menu_layout::SpritePlace& place : places) {
        sprites.push_back(Sprite(place));
    }
    return sprites;
}

std::vector<DrawnSprite> Background(int placesUsed, const char* upper, const char* lower) {
    return Sprites(menu_layout::Background(placesUsed, rowPitch, upper, lower));
}

std::vector<DrawnSprite> Highlight(int slot) {
    return Sprites(menu_layout::Highlight(slot, rowPitch));
}

DrawnSprite RowBox(int slot) {
    return Sprite(menu_layout::RowBox(slot, rowPitch));
}

// y handed to the game for a text line `slot` rows below `top`.
float LineY(float top, int slot) {
    return (top + static_cast<float>(slot) * rowPitch) / screenHeight;
}

std::vector<DrawnSprite> Slice(const std::vector<DrawnSprite>& sprites, std::size_t from, std::size_t count) {
    if (from + count > sprites.size()) {
        return {};
    }
    return {sprites.begin() + static_cast<std::ptrdiff_t>(from),
            sprites.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

class DrawingTest : public PluginTest {
  protected:
    // Registers submenu 0 anew with the given rows (starting the plug-in the
    // first time); the menu shows it open.
    void ShowRows(const std::function<void(Menu::Submenu*)>& rows) {
        if (!menuController) {
            Start();
        }
        menuController->AddSubmenu(0, "Title", "Subtitle", rows);
        menuController->isOpen = true;
    }

    readback::Drawing DrawAt(int selected) {
        menuController->selectedIndex = selected;
        const readback::Drawing drawn = ReadDrawing(runner.RunFrame());
        EXPECT_TRUE(drawn.faults.empty()) << drawn.faults.front();
        return drawn;
    }
};

std::function<void(Menu::Submenu*)> NumberedRows(int count) {
    return [count](Menu::Submenu* submenu) {
        for (int i = 0; i < count; ++i) {
            submenu->AddOption("row " + std::to_string(i), "about row " + std::to_string(i), [] {});
        }
    };
}

TEST_F(DrawingTest, TheMainPageOpenFrameInDrawingOrder) {
    Start();
    menuController->isOpen = true;
    const readback::Drawing drawn = DrawAt(0);

    // Background, highlight, title, subtitle, counter, box and label per row
    // (the first with its description), then the radar.
    EXPECT_EQ(drawn.order, "sssssssss"
                           "ssss"
                           "ttt"
                           "stt"
                           "st"
                           "st"
                           "st"
                           "st"
                           "st"
                           "r");
    EXPECT_EQ(Slice(drawn.sprites, 0, 9), Background(6, "scroller_line_up", "scroller_line_down"));
    EXPECT_EQ(Slice(drawn.sprites, 9, 4), Highlight(0));
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(drawn.sprites.at(13 + static_cast<std::size_t>(row)), RowBox(row));
    }

    ASSERT_EQ(drawn.texts.size(), 10u);
    const DrawnText& title = drawn.texts[0];
    EXPECT_EQ(title.markup, "<TEXTFORMAT RIGHTMARGIN = '0'><P ALIGN = 'Center'><FONT FACE = '$title' "
                            "LETTERSPACING = '0' SIZE = '45'>~s~Fixture</FONT></P><TEXTFORMAT>");
    EXPECT_EQ(title.x, 2.0f * (menu_layout::Title.x / 1920.0f) - 1.0f);
    EXPECT_EQ(title.y, menu_layout::Title.top / 1080.0f);
    EXPECT_EQ(drawn.texts[1].markup,
              "<TEXTFORMAT RIGHTMARGIN = '0'><P ALIGN = 'Center'><FONT FACE = '$title' "
              "LETTERSPACING = '0' SIZE = '23'>~s~Main page</FONT></P><TEXTFORMAT>");
    EXPECT_EQ(drawn.texts[1].y, menu_layout::Subtitle.top / 1080.0f);

    const DrawnText& counter = drawn.texts[2];
    EXPECT_EQ(counter.markup, "<TEXTFORMAT RIGHTMARGIN = '1386'><P ALIGN = 'Right'><FONT FACE = '$body' "
                              "LETTERSPACING = '-1' SIZE = '20'>~s~1 of 6</FONT></P><TEXTFORMAT>");
    EXPECT_EQ(
        (std::vector{counter.colour.red, counter.colour.green, counter.colour.blue, counter.colour.alpha}),
        (std::vector{144, 144, 144, 230}));
    EXPECT_EQ(counter.x, 0.0f);
    EXPECT_EQ(counter.y, LineY(menu_layout::Counter.top, 6));

    const DrawnText& label = drawn.texts[3];
    EXPECT_EQ(label.markup, "<TEXTFORMAT RIGHTMARGIN = '0'><P ALIGN = 'Left'><FONT FACE = '$body' "
                            "LETTERSPACING = '0' SIZE = '22'>~s~Row 1</FONT></P>"
                            "<TEXTFORMAT>");
    EXPECT_EQ(label.x, menu_layout::Label.x / 1920.0f);
    EXPECT_EQ(label.y, menu_layout::Label.top / 1080.0f);
    const DrawnText& description = drawn.texts[4];
    EXPECT_EQ(description.markup, "<TEXTFORMAT RIGHTMARGIN = '0'><P ALIGN = 'Center'><FONT FACE = '$body' "
                                  "LETTERSPACING = '0' SIZE = '18'>~s~Fixture row 1.</FONT></P><TEXTFORMAT>");
    EXPECT_EQ(description.x, 2.0f * (menu_layout::Description.x / 1920.0f) - 1.0f);
    EXPECT_EQ(description.y, menu_layout::Description.top / 1080.0f);
    EXPECT_EQ(drawn.texts[9].Inner(), "Row 6");
    EXPECT_EQ(drawn.texts[9].y, LineY(menu_layout::Label.top, 5));
    for (const DrawnText& text : drawn.texts) {
        if (&text != &counter) {
            EXPECT_EQ((std::vector{text.colour.red, text.colour.green, text.colour.blue, text.colour.alpha}),
                      (std::vector{255, 255, 255, 255}))
                << text.Inner();
        }
    }
}

// N rows, selection, the first row drawn, and the two indicators.
struct WindowCase {
    int rows;
    int selected;
    int firstRow;
    const char* upper;
    const char* lower;
};

TEST_F(DrawingTest, TheWindowScrollsToEndAtTheSelection) {
    const WindowCase cases[] = {
        {6, 0, 0, "scroller_line_up", "scroller_line_down"},
        {6, 5, 0, "scroller_line_up", "scroller_line_down"},
        {8, 0, 0, "scroller_line_up", "scroller_line_down"},
        {8, 7, 0, "scroller_line_up", "scroller_line_down"},
        {9, 7, 0, "scroller_line_up", "scroller_arrow_bottom"},
        {9, 8, 1, "scroller_arrow_top", "scroller_line_down"},
        {10, 0, 0, "scroller_line_up", "scroller_arrow_bottom"},
        {10, 7, 0, "scroller_line_up", "scroller_arrow_bottom"},
        {10, 8, 1, "scroller_arrow_top", "scroller_arrow_bottom"},
        {10, 9, 2, "scroller_arrow_top", "scroller_line_down"},
        // Back up from the last row: the window still ends at the selection.
        {10, 8, 1, "scroller_arrow_top", "scroller_arrow_bottom"},
        {10, 7, 0, "scroller_line_up", "scroller_arrow_bottom"},
    };
    int registered = -1;
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.rows) + " rows, selection " + std::to_string(c.selected));
        if (c.rows != registered) {
            ShowRows(NumberedRows(c.rows));
            registered = c.rows;
        }
        const readback::Drawing drawn = DrawAt(c.selected);
        const int placesUsed = std::min(c.rows, 8);

        EXPECT_EQ(Slice(drawn.sprites, 0, 9), Background(placesUsed, c.upper, c.lower));
        EXPECT_EQ(Slice(drawn.sprites, 9, 4), Highlight(std::min(c.selected, 7)));

        const std::vector<DrawnText> labels = TextsStartingWith(drawn, "row ");
        const std::vector<DrawnSprite> boxes = SpritesNamed(drawn, "selection_box_bg_1c");
        ASSERT_EQ(labels.size(), static_cast<std::size_t>(placesUsed));
        ASSERT_EQ(boxes.size(), labels.size());
        for (int slot = 0; slot < placesUsed; ++slot) {
            const auto s = static_cast<std::size_t>(slot);
            EXPECT_EQ(labels[s].Inner(), "row " + std::to_string(c.firstRow + slot));
            EXPECT_EQ(labels[s].y, LineY(menu_layout::Label.top, slot));
            EXPECT_EQ(boxes[s], RowBox(slot));
        }

        const std::vector<DrawnText> descriptions = TextsStartingWith(drawn, "about row ");
        ASSERT_EQ(descriptions.size(), 1u);
        EXPECT_EQ(descriptions[0].Inner(), "about row " + std::to_string(c.selected));

        const DrawnText& counter = drawn.texts.at(2);
        EXPECT_EQ(counter.Inner(), std::to_string(c.selected + 1) + " of " + std::to_string(c.rows));
        EXPECT_EQ(counter.y, LineY(menu_layout::Counter.top, placesUsed));
    }
}

TEST_F(DrawingTest, ListAndToggleDecorationsSelectedAndNot) {
    static bool on = true;
    static bool off = false;
    ShowRows([](Menu::Submenu* submenu) {
        submenu->AddList("list", "list help", {"Low", "High"});
        submenu->AddToggle("toggle on", "", &on);
        submenu->AddToggle("toggle off", "", &off);
        submenu->AddToggle("toggle unset", "", nullptr);
        submenu->AddList("both", "", {"Only"});
        submenu->options.back().isToggle = true;
        submenu->options.back().toggleTarget = &on;
    });

    const float valueX = 0.0f;
    readback::Drawing drawn = DrawAt(0);
    // Row 0 selected: box, label, description, then the arrowed value, right-aligned at 526.
    std::vector<DrawnText> rowTexts(drawn.texts.begin() + 3, drawn.texts.begin() + 6);
    EXPECT_EQ(rowTexts[0].Inner(), "list");
    EXPECT_EQ(rowTexts[1].Inner(), "list help");
    EXPECT_EQ(rowTexts[2].Inner(), LeftArrow + "Low" + RightArrow);
    EXPECT_EQ(rowTexts[2].Attribute("ALIGN"), "Right");
    EXPECT_EQ(rowTexts[2].Attribute("RIGHTMARGIN"), "1394");
    EXPECT_EQ(rowTexts[2].Attribute("SIZE"), "22");
    EXPECT_EQ(rowTexts[2].x, valueX);
    EXPECT_EQ(rowTexts[2].y, LineY(menu_layout::Label.top, 0));

    // Unselected rows, in order after the list's texts.
    const std::vector<std::string> expected = {
        "toggle on",    Tick,    TickBox,          // on: tick, then the box over it
        "toggle off",   TickBox,                   // off: the box alone
        "toggle unset", TickBox,                   // no flag to show: an empty box
        "both",         "Only",  Tick,    TickBox, // a list that is also a toggle gets both, value first
    };
    std::vector<std::string> inner;
    for (std::size_t i = 6; i < drawn.texts.size(); ++i) {
        inner.push_back(drawn.texts[i].Inner());
    }
    EXPECT_EQ(inner, expected);
    for (std::size_t i = 6; i < drawn.texts.size(); ++i) {
        const DrawnText& text = drawn.texts[i];
        if (text.Inner() == Tick || text.Inner() == TickBox) {
            EXPECT_EQ(text.Attribute("ALIGN"), "Right");
            EXPECT_EQ(text.Attribute("RIGHTMARGIN"), "1394");
            EXPECT_EQ(text.Attribute("SIZE"), "22");
        }
    }
    // The tick images sit a pixel above the label line.
    EXPECT_EQ(drawn.texts[7].y, LineY(menu_layout::Label.top - 1.0f, 1));
    EXPECT_EQ(drawn.texts[8].y, LineY(menu_layout::Label.top - 1.0f, 1));
    EXPECT_EQ(drawn.texts[6].y, LineY(menu_layout::Label.top, 1));
    EXPECT_EQ(drawn.texts[13].y, LineY(menu_layout::Label.top, 4)) << "the list value of the last row";

    drawn = DrawAt(1);
    const std::vector<DrawnText> values = TextsStartingWith(drawn, "Low");
    ASSERT_EQ(values.size(), 1u) << "unselected, the list shows its value without arrows";
    EXPECT_EQ(values[0].Inner(), "Low");
    // A selected toggle looks the same, with its description (empty here) drawn.
    const std::vector<std::string> selectedToggle = {drawn.texts.at(5).Inner(), drawn.texts.at(6).Inner(),
                                                     drawn.texts.at(7).Inner(), drawn.texts.at(8).Inner()};
    EXPECT_EQ(selectedToggle, (std::vector<std::string>{"toggle on", "", Tick, TickBox}));
}

TEST_F(DrawingTest, ASeparatorIsAHeadingWithoutBoxOrDescription) {
    ShowRows([](Menu::Submenu* submenu) {
        submenu->AddOption("first", "first help", [] {});
        submenu->AddSeparator("Heading");
        submenu->options.back().description = "never shown";
        submenu->AddOption("third", "third help", [] {});
    });

    const readback::Drawing drawn = DrawAt(1);
    EXPECT_EQ(drawn.order, "sssssssss"
                           "ssss"
                           "ttt"
                           "st"
                           "t"
                           "st"
                           "r");
    EXPECT_EQ(SpritesNamed(drawn, "selection_box_bg_1c"), (std::vector{RowBox(0), RowBox(2)}));
    EXPECT_EQ(Slice(drawn.sprites, 9, 4), Highlight(1)) << "the highlight shows whatever row is selected";

    const DrawnText& heading = drawn.texts.at(4);
    EXPECT_EQ(heading.markup, "<TEXTFORMAT RIGHTMARGIN = '0'><P ALIGN = 'Center'><FONT FACE = '$title' "
                              "LETTERSPACING = '0' SIZE = '22'>~s~Heading</FONT></P><TEXTFORMAT>");
    EXPECT_EQ(heading.x, 2.0f * (menu_layout::Title.x / 1920.0f) - 1.0f);
    EXPECT_EQ(heading.y, LineY(menu_layout::Label.top, 1));
    EXPECT_TRUE(TextsStartingWith(drawn, "never shown").empty());
    EXPECT_TRUE(TextsStartingWith(drawn, "first help").empty());
}

TEST_F(DrawingTest, AnEmptySubmenuDrawsItsFrameAndCounterOnly) {
    ShowRows(NumberedRows(0));
    const readback::Drawing drawn = DrawAt(0);
    EXPECT_EQ(drawn.order, "sssssssss"
                           "ssss"
                           "ttt"
                           "r");
    EXPECT_EQ(Slice(drawn.sprites, 0, 9), Background(0, "scroller_line_up", "scroller_line_down"));
    EXPECT_EQ(drawn.sprites.at(6).y, (244.0f + 25.0f / 2.0f) / 1080.0f) << "lower scroller at 244 to 269";
    EXPECT_EQ(Slice(drawn.sprites, 9, 4), Highlight(0));
    EXPECT_EQ(drawn.texts.at(2).Inner(), "1 of 0");
    EXPECT_EQ(drawn.texts.at(2).y, menu_layout::Counter.top / 1080.0f);

    // Emptied under a selection further down: drawn as a page that never had rows.
    ShowRows(NumberedRows(6));
    menuController->selectedIndex = 3;
    ShowRows(NumberedRows(0));
    const readback::Drawing emptied = ReadDrawing(runner.RunFrame());
    EXPECT_EQ(Slice(emptied.sprites, 9, 4), Highlight(0));
    EXPECT_EQ(emptied.texts.at(2).Inner(), "1 of 0");
}

// The count and the rows held can differ: the rows drawn are the fewer of them.
TEST_F(DrawingTest, ACountAboveOrBelowTheRowsHeldDrawsTheFewer) {
    const struct {
        std::int32_t count;
        std::size_t drawn;
        const char* counter;
    } cases[] = {{9, 3, "1 of 9"}, {2, 2, "1 of 2"}, {0, 0, "1 of 0"}};
    for (const auto& c : cases) {
        ShowRows(NumberedRows(3));
        submenuRegistry.at(0).optionCount = c.count;
        const readback::Drawing drawn = DrawAt(0);
        EXPECT_EQ(TextsStartingWith(drawn, "row ").size(), c.drawn) << c.count;
        EXPECT_EQ(SpritesNamed(drawn, "selection_box_bg_1c").size(), c.drawn) << c.count;
        EXPECT_EQ(drawn.texts.at(2).Inner(), c.counter);
    }
}

TEST_F(DrawingTest, AClosedMenuDrawsNothing) {
    Start();
    const sim::Frame& frame = runner.RunFrame();
    const readback::Drawing drawn = ReadDrawing(frame);
    EXPECT_EQ(drawn.order, "");
    EXPECT_TRUE(drawn.faults.empty());
    const auto lines = LastFrame();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(
        std::vector<std::string>(lines.end() - 4, lines.end()),
        (std::vector<std::string>{"HUD::_UI_PROMPT_SET_VISIBLE(1, 0)", "HUD::_UI_PROMPT_SET_ENABLED(1, 0)",
                                  "HUD::_UI_PROMPT_SET_VISIBLE(2, 0)", "HUD::_UI_PROMPT_SET_ENABLED(2, 0)"}));
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("MAP::DISPLAY_RADAR"), std::string::npos) << "no radar call while closed";
    }
}

// The whole menu scales with the window's height: a 16:9 window of any size
// is handed the same fractions, an ultrawide one the same pixels, at the left.
TEST_F(DrawingTest, TheMenuScalesWithTheWindowsHeightAndKeepsItsShape) {
    // Compared with a tolerance only here: 655.56 is the decimal the layout
    // quotes for 270 + 7R, not the single-precision value itself.
    ShowRows(NumberedRows(8));
    EXPECT_NEAR(SpritesNamed(DrawAt(0), "selection_box_bg_1c").at(7).y * 1080.0f, 655.56f, 1e-3f);
    const readback::Drawing full = DrawAt(2);

    windowScale = Menu::ScaleOfWindow(1280, 720);
    readback::Drawing drawn = DrawAt(2);
    EXPECT_EQ(drawn.sprites, full.sprites);
    ASSERT_EQ(drawn.texts.size(), full.texts.size());
    for (std::size_t i = 0; i < drawn.texts.size(); ++i) {
        EXPECT_EQ(drawn.texts[i].y, full.texts[i].y) << drawn.texts[i].markup;
    }
    EXPECT_EQ(TextsStartingWith(drawn, "row 7").at(0).Attribute("SIZE"), "14");
    EXPECT_EQ(drawn.texts.at(2).Attribute("RIGHTMARGIN"), "1386") << "1920 - 534 reference pixels";

    windowScale = Menu::ScaleOfWindow(3440, 1440); // 2580 x 1080 reference pixels
    drawn = DrawAt(2);
    ASSERT_EQ(drawn.sprites.size(), full.sprites.size());
    for (std::size_t i = 0; i < drawn.sprites.size(); ++i) {
        const DrawnSprite& sprite = drawn.sprites[i];
        EXPECT_FLOAT_EQ(sprite.x, full.sprites[i].x * 1920.0f / 2580.0f) << sprite.texture;
        EXPECT_FLOAT_EQ(sprite.width, full.sprites[i].width * 1920.0f / 2580.0f) << sprite.texture;
        EXPECT_EQ(sprite.y, full.sprites[i].y) << sprite.texture;
        EXPECT_EQ(sprite.height, full.sprites[i].height) << sprite.texture;
    }
    EXPECT_EQ(TextsStartingWith(drawn, "row 7").at(0).Attribute("SIZE"), "29");
    EXPECT_EQ(drawn.texts.at(2).Attribute("RIGHTMARGIN"), "2046") << "2580 - 534 reference pixels";
}

TEST_F(DrawingTest, TextsStayValidUntilTheNextFrameAndReuseTheirMemory) {
    Start();
    menuController->isOpen = true;
    const readback::Drawing first = DrawAt(3);
    ASSERT_FALSE(first.texts.empty());
    // The game may read a text until it has drawn the frame: after the frame
    // every markup is still where it was handed over.
    for (const DrawnText& text : first.texts) {
        EXPECT_EQ(std::string(text.markupLocation), text.markup);
    }
    const std::size_t slots = Menu::frameTexts.slots.size();

    const readback::Drawing second = DrawAt(3);
    ASSERT_EQ(second.texts.size(), first.texts.size());
    for (std::size_t i = 0; i < first.texts.size(); ++i) {
        EXPECT_EQ(second.texts[i].markupLocation, first.texts[i].markupLocation) << "text " << i;
    }
    EXPECT_EQ(Menu::frameTexts.slots.size(), slots) << "a frame like the last takes no new text";
}

} // namespace

TEST_F(DrawingTest, TheSelectedRowsValueAndTickAreReadBack) {
    static bool on = true;
    static bool off = false;
    ShowRows([](Menu::Submenu* submenu) {
        submenu->AddList("list", "list help", {"Low", "High"});
        submenu->AddToggle("toggle on", "", &on);
        submenu->AddToggle("toggle off", "", &off);
        submenu->AddOption("plain", "", [] {});
    });
    struct Case {
        int selected;
        std::string row, value;
        std::optional<bool> ticked;
    };
    for (const Case& c : {Case{0, "list", "Low", std::nullopt}, Case{1, "toggle on", "", true},
                          Case{2, "toggle off", "", false}, Case{3, "plain", "", std::nullopt}}) {
        menuController->selectedIndex = c.selected;
        const readback::MenuState shown = readback::ReadMenu(runner.RunFrame());
        EXPECT_EQ(shown.selectedRow, c.row);
        EXPECT_EQ(shown.selectedValue, c.value) << c.row << ": the unselected rows' values are not read";
        EXPECT_EQ(shown.selectedToggle, c.ticked) << c.row;
    }
}
