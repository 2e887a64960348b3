// What the new row fields draw: a number's value where a list's stands,
// right-hand text, a badge at the row's right end, and a disabled row dimmed.
#include "tests/StrictReading.h"
#include "tests/support/MenuLayout.h"
#include "tests/support/PluginFixture.h"

#include <functional>
#include <string>

namespace {

const std::string LeftArrow = "<img src='img://menu_textures/selection_arrow_left' height='18' width='18'/> ";
const std::string RightArrow =
    " <img src='img://menu_textures/selection_arrow_right' height='18' width='18'/>";
const std::string TickBox = "<img src='img://generic_textures/tick_box' height='30' width='30'/>";

std::vector<int> ColourOf(const DrawnText& text) {
    return {text.colour.red, text.colour.green, text.colour.blue, text.colour.alpha};
}

const std::vector<int> White = {255, 255, 255, 255};
const std::vector<int> Dimmed = {255, 255, 255, menu_layout::DimmedAlpha};

// The right margin of a text whose right end is at x on a 1920-pixel screen.
std::string MarginFor(float x) {
    return std::to_string(1920 - static_cast<int>(x));
}

class RowDecorationTest : public PluginTest {
  protected:
    readback::Drawing Draw(const std::function<void(Menu::Submenu*)>& rows, int selected) {
        if (!menuController) {
            Start();
        }
        menuController->AddSubmenu(0, "Title", "Subtitle", rows);
        menuController->isOpen = true;
        menuController->selectedIndex = selected;
        readback::Drawing drawn = ReadDrawing(runner.RunFrame());
        EXPECT_TRUE(drawn.faults.empty()) << drawn.faults.front();
        return drawn;
    }

    // The one text whose inner text is exactly this.
    static DrawnText Only(const readback::Drawing& drawn, const std::string& inner) {
        std::vector<DrawnText> found;
        for (const DrawnText& text : drawn.texts) {
            if (text.Inner() == inner) {
                found.push_back(text);
            }
        }
        EXPECT_EQ(found.size(), 1u) << inner;
        return found.empty() ? DrawnText{} : found.front();
    }

    static float LineY(int slot) {
        return (menu_layout::Label.top + static_cast<float>(slot) * rowPitch) / screenHeight;
    }
};

TEST_F(RowDecorationTest, ANumberShowsItsValueAsAListDoes) {
    std::int32_t hour = 13;
    const auto rows = [&hour](Menu::Submenu* page) {
        page->AddOption("First", "", {});
        page->AddNumber("Hour", "", &hour, 0, 23, 1);
    };
    DrawnText value = Only(Draw(rows, 0), "13");
    EXPECT_EQ(value.Attribute("ALIGN"), "Right");
    EXPECT_EQ(value.Attribute("RIGHTMARGIN"), MarginFor(menu_layout::RowTextRight));
    EXPECT_EQ(value.y, LineY(1));
    Only(Draw(rows, 1), LeftArrow + "13" + RightArrow);
}

TEST_F(RowDecorationTest, RightTextStandsWhereAValueWouldWithoutArrows) {
    const auto rows = [](Menu::Submenu* page) {
        page->AddOption("Buy horse", "", {}).rightText = "$25";
        page->AddSubmenuLink("Stables", "", 4).rightText = "3 horses";
        page->AddList("List", "", {"A"}); // takes no right-hand text (ControllerTest)
        page->AddOption("Plain", "", {});
    };
    const readback::Drawing drawn = Draw(rows, 0);
    const DrawnText price = Only(drawn, "$25");
    EXPECT_EQ(price.Attribute("ALIGN"), "Right");
    EXPECT_EQ(price.Attribute("RIGHTMARGIN"), MarginFor(menu_layout::RowTextRight));
    EXPECT_EQ(price.Attribute("SIZE"), "22");
    EXPECT_EQ(price.y, LineY(0));
    EXPECT_EQ(ColourOf(price), White);
    EXPECT_EQ(Only(drawn, "3 horses").y, LineY(1));
    EXPECT_EQ(drawn.texts.size(), 3u + 1u + 4u + 2u + 1u)
        << "header, description, labels, two right texts, value";
}

TEST_F(RowDecorationTest, ABadgeStandsAtTheRightEndAndTheTextsMoveLeftOfIt) {
    bool flag = false;
    const auto rows = [&flag](Menu::Submenu* page) {
        page->AddOption("Plain", "", {});
        Menu::Option& priced = page->AddOption("Priced", "", {});
        priced.rightText = "$25";
        priced.badgeDictionary = "generic_textures";
        priced.badgeTexture = "tick";
        Menu::Option& toggle = page->AddToggle("Toggle", "", &flag);
        toggle.badgeDictionary = "menu_textures";
        toggle.badgeTexture = "badge";
    };
    const readback::Drawing drawn = Draw(rows, 0);
    const std::vector<DrawnSprite> ticks = SpritesNamed(drawn, "tick");
    ASSERT_EQ(ticks.size(), 1u);
    const DrawnSprite expected{"generic_textures",
                               "tick",
                               menu_layout::BadgeX / screenWidth,
                               (menu_layout::SlotCentre + rowPitch) / screenHeight,
                               menu_layout::BadgeSize / screenWidth,
                               menu_layout::BadgeSize / screenHeight,
                               0.0f,
                               {255, 255, 255, 255}};
    EXPECT_EQ(ticks[0], expected);
    EXPECT_EQ(Only(drawn, "$25").Attribute("RIGHTMARGIN"), MarginFor(menu_layout::BesideBadgeRight));
    EXPECT_EQ(Only(drawn, TickBox).Attribute("RIGHTMARGIN"), MarginFor(menu_layout::BesideBadgeRight));
    EXPECT_EQ(SpritesNamed(drawn, "badge").size(), 1u);
    EXPECT_EQ(drawn.sprites.size(), 9u + 4u + 3u + 2u) << "no badge on the plain row";
    // Within a row: box, label, then its texts, then the badge.
    EXPECT_EQ(drawn.order.substr(drawn.order.size() - 12), "stt"
                                                           "stts"
                                                           "stts"
                                                           "r");
}

TEST_F(RowDecorationTest, ADisabledRowIsDimmedButItsDescriptionIsNot) {
    bool flag = true;
    std::int32_t number = 4;
    const auto rows = [&](Menu::Submenu* page) {
        Menu::Option& horse = page->AddOption("Buy horse", "Costs $25.", {});
        horse.isDisabled = true;
        horse.rightText = "$25";
        horse.badgeDictionary = "generic_textures";
        horse.badgeTexture = "tick";
        page->AddToggle("Toggle", "", &flag).isDisabled = true;
        page->AddNumber("Number", "", &number, 0, 9, 1).isDisabled = true;
        page->AddSeparator("Heading").isDisabled = true;
        page->AddOption("Enabled", "", {});
    };
    const readback::Drawing drawn = Draw(rows, 0);
    for (const std::string inner : {"Buy horse", "$25", "Toggle", "Number", "4", "Heading"}) {
        EXPECT_EQ(ColourOf(Only(drawn, inner)), Dimmed) << inner;
    }
    for (const DrawnText& tick : TextsStartingWith(drawn, "<img src='img://generic_textures/tick")) {
        EXPECT_EQ(ColourOf(tick), Dimmed);
    }
    EXPECT_EQ(ColourOf(Only(drawn, "Costs $25.")), White);
    EXPECT_EQ(ColourOf(Only(drawn, "Enabled")), White);
    ASSERT_EQ(SpritesNamed(drawn, "tick").size(), 1u);
    EXPECT_EQ(SpritesNamed(drawn, "tick")[0].colour.alpha, menu_layout::DimmedAlpha);
    EXPECT_EQ(SpritesNamed(drawn, "selection_box_bg_1c").size(), 4u) << "boxes as before";
}

} // namespace

// The game is handed valid UTF-8 only: each byte of no valid character in a
// label, a right-hand text or a badge's names becomes '?'; valid ones stay.
TEST_F(RowDecorationTest, TextsThatAreNotUtf8ReachTheGameWithQuestionMarks) {
    const auto rows = [](Menu::Submenu* page) {
        Menu::Option& row = page->AddOption("L\xff\xc3(abel \xc3\xa9", "", {});
        row.rightText = "\xed\xa0\x80$5";
        row.badgeDictionary = "dict\xfe";
        row.badgeTexture = "\xc0\xaficon";
    };
    for (int frame = 0; frame < 2; ++frame) { // built afresh, then again from the same rows
        const readback::Drawing drawn = Draw(rows, 0);
        Only(drawn, "L?"
                    "?(abel \xc3\xa9"); // apart, or "??(" is a trigraph
        Only(drawn, "???$5");
        ASSERT_EQ(SpritesNamed(drawn, "??icon").size(), 1u);
        EXPECT_EQ(SpritesNamed(drawn, "??icon")[0].dictionary, "dict?");
    }
}
