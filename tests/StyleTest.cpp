// The menu's look as a fork sets it: every place of the column follows its
// left edge and width, textures, colours and fonts are the look's, and a
// width, edge or row count that makes no sense is drawn as the nearest one
// that does.
#include "tests/StrictReading.h"
#include "tests/support/MenuFixture.h"

#include "menu/Style.h"

#include <cmath>
#include <limits>

namespace {

using Menu::Style;

class StyleTest : public MenuTest {
  protected:
    readback::Drawing Drawn() const { return ReadDrawing(host.recorder.Last()); }
    // A sprite's centre and width in layout pixels.
    static float X(const DrawnSprite& sprite) { return sprite.x * screenWidth; }
    static float Width(const DrawnSprite& sprite) { return sprite.width * screenWidth; }
    const DrawnSprite& Named(const readback::Drawing& frame, const std::string& texture) const {
        for (const DrawnSprite& sprite : frame.sprites) {
            if (sprite.texture == texture) {
                return sprite;
            }
        }
        static const DrawnSprite none;
        ADD_FAILURE() << texture << " is not drawn";
        return none;
    }
};

TEST(StyleColumnsTest, TheDefaultsAreTheLayoutsPlaces) {
    const Menu::Columns columns = Menu::ColumnsOf(Style{});
    EXPECT_EQ(columns.left, 92.0f);
    EXPECT_EQ(columns.right, 534.0f);
    EXPECT_EQ(columns.centre, 313.0f);
    EXPECT_EQ(columns.labelLeft, 100.0f);
    EXPECT_EQ(columns.valueRight, 526.0f);
    EXPECT_EQ(columns.scrollerHalf, 206.0f);
    EXPECT_EQ(columns.backdropLeft, 25.0f);
    EXPECT_EQ(columns.backdropWidth, 576.0f);
    EXPECT_EQ(Menu::RowsShown(Style{}), 8);
}

TEST(StyleColumnsTest, AWidthOrEdgeThatMakesNoSenseIsTheNearestThatDoes) {
    Style look;
    look.width = 0.0f;
    EXPECT_EQ(Menu::ColumnsOf(look).width, Style::MinimumWidth);
    EXPECT_GT(Menu::ColumnsOf(look).scrollerHalf, 0.0f) << "room left for the scroller's halves";
    look.width = -300.0f;
    EXPECT_EQ(Menu::ColumnsOf(look).width, Style::MinimumWidth);
    look.width = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(Menu::ColumnsOf(look).width, 442.0f);
    look.width = std::numeric_limits<float>::infinity();
    EXPECT_EQ(Menu::ColumnsOf(look).width, 442.0f);
    look.left = -std::numeric_limits<float>::infinity();
    EXPECT_EQ(Menu::ColumnsOf(look).left, 92.0f);

    look.rowsShown = 0;
    EXPECT_EQ(Menu::RowsShown(look), 1);
    look.rowsShown = -5;
    EXPECT_EQ(Menu::RowsShown(look), 1);
}

TEST_F(StyleTest, EveryPlaceOfTheColumnFollowsItsLeftEdgeAndWidth) {
    StartOpen();
    Menu::style.left = 200.0f;
    Menu::style.width = 600.0f;
    runner.RunFrame();
    const readback::Drawing frame = Drawn();
    EXPECT_TRUE(frame.faults.empty());
    EXPECT_FLOAT_EQ(X(Named(frame, "inkroller_1a")), 200.0f - 67.0f + 734.0f / 2.0f);
    EXPECT_FLOAT_EQ(Width(Named(frame, "inkroller_1a")), 734.0f);
    EXPECT_FLOAT_EQ(X(Named(frame, "menu_header_1a")), 500.0f);
    EXPECT_FLOAT_EQ(Width(Named(frame, "menu_header_1a")), 600.0f);
    EXPECT_FLOAT_EQ(X(Named(frame, "selection_box_bg_1c")), 500.0f);
    EXPECT_FLOAT_EQ(Width(Named(frame, "selection_box_bg_1c")), 600.0f);
    EXPECT_FLOAT_EQ(X(Named(frame, "scroller_left_top")), 200.0f + 285.0f / 2.0f);
    EXPECT_FLOAT_EQ(X(Named(frame, "scroller_right_top")), 800.0f - 285.0f / 2.0f);
    EXPECT_FLOAT_EQ(X(Named(frame, "scroller_line_up")), 500.0f);
    EXPECT_FLOAT_EQ(X(Named(frame, "crafting_highlight_l")), 195.0f);
    EXPECT_FLOAT_EQ(X(Named(frame, "crafting_highlight_r")), 805.0f);
    EXPECT_FLOAT_EQ(Width(Named(frame, "crafting_highlight_t")), 612.0f);
    EXPECT_FLOAT_EQ(Width(Named(frame, "menu_bar")), 600.0f);

    const std::vector<DrawnText> labels = TextsStartingWith(frame, "Row 1");
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_FLOAT_EQ(labels[0].x * screenWidth, 208.0f);
    const std::vector<DrawnText> counter = TextsStartingWith(frame, "1 of 6");
    ASSERT_EQ(counter.size(), 1u);
    EXPECT_EQ(counter[0].Attribute("RIGHTMARGIN"), "1120") << "the counter ends at the column's right edge";
}

TEST_F(StyleTest, TexturesColoursFontsAndSizesAreTheLooks) {
    StartOpen();
    Menu::style.headerDictionary = "my_mod_textures";
    Menu::style.headerTexture = "banner";
    Menu::style.backgroundColour = {10, 20, 30, 200};
    Menu::style.highlightColour = {0, 128, 255, 200};
    Menu::style.titleFont = 13;
    Menu::style.titleSize = 50;
    Menu::style.rowFont = 99; // no such font: the text falls back to "body"
    Menu::style.selectedTextColour = {255, 220, 120, 255};
    Menu::style.descriptionColour = {200, 200, 200, 255};
    runner.RunFrame();
    const readback::Drawing frame = Drawn();
    const DrawnSprite& header = Named(frame, "banner");
    EXPECT_EQ(header.dictionary, "my_mod_textures");
    EXPECT_EQ(Named(frame, "inkroller_1a").colour, (readback::Colour{10, 20, 30, 200}));
    EXPECT_EQ(Named(frame, "crafting_highlight_t").colour, (readback::Colour{0, 128, 255, 200}));

    const DrawnText title = TextsStartingWith(frame, "Fixture").at(0);
    EXPECT_EQ(title.Attribute("FACE"), "$ledger");
    EXPECT_EQ(title.Attribute("SIZE"), "50");
    const DrawnText selected = TextsStartingWith(frame, "Row 1").at(0);
    EXPECT_EQ(selected.Attribute("FACE"), "$body");
    EXPECT_EQ(selected.colour, (readback::Colour{255, 220, 120, 255}));
    EXPECT_EQ(TextsStartingWith(frame, "Row 2").at(0).colour, (readback::Colour{255, 255, 255, 255}))
        << "rows not selected keep the rows' colour";
    EXPECT_EQ(TextsStartingWith(frame, "Fixture row 1.").at(0).colour,
              (readback::Colour{200, 200, 200, 255}));

    Menu::style.disabledTextColour = {90, 90, 90, 255};
    Shown().options[0].isDisabled = true;
    runner.RunFrame();
    EXPECT_EQ(TextsStartingWith(Drawn(), "Row 1").at(0).colour, (readback::Colour{90, 90, 90, 255}))
        << "disabled, selected or not";
}

TEST_F(StyleTest, RowsShownIsReadEveryFrameForEveryPageAtLeastOne) {
    StartOpen();
    SetMainRows([](Menu::Submenu* submenu) {
        for (int i = 0; i < 5; ++i) {
            submenu->AddOption("row " + std::to_string(i), "", {});
        }
    });
    Menu::style.rowsShown = 3; // after the page was registered
    runner.RunFrame();
    EXPECT_EQ(SpritesNamed(Drawn(), "selection_box_bg_1c").size(), 3u);

    SetMainRows([](Menu::Submenu* submenu) {
        submenu->AddOption("only", "", {});
        submenu->AddOption("hidden", "", {});
    });
    Menu::style.rowsShown = 0;
    Tap(Menu::DownControl);
    const readback::Drawing frame = Drawn();
    EXPECT_EQ(SpritesNamed(frame, "selection_box_bg_1c").size(), 1u);
    EXPECT_EQ(TextsStartingWith(frame, "hidden").size(), 1u) << "the selected row is the one shown";
    EXPECT_EQ(TextsStartingWith(frame, "only").size(), 0u);
}

} // namespace
