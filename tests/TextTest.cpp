#include "tests/StrictReading.h"
#include "tests/support/PluginFixture.h"

#include "menu/Text.h"
#include "menu/TextStore.h"
#include "menu/Utf8.h"

#include <climits>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using Menu::TextAlignment;

TEST(FillPlaceholdersTest, FillsInOrderAndSkipsValuesWithNoPlaceLeft) {
    EXPECT_EQ(Menu::FillPlaceholders("a%sb%sc", {"1", "22"}), "a1b22c");
    EXPECT_EQ(Menu::FillPlaceholders("a%sb", {"1", "2", "3"}), "a1b");
    EXPECT_EQ(Menu::FillPlaceholders("%", {"1"}), "%");
    EXPECT_EQ(Menu::FillPlaceholders("", {"1"}), "");
    // The search restarts at the front, so a value's own "%s" takes the next value.
    EXPECT_EQ(Menu::FillPlaceholders("[%s] [%s]", {"x%sy", "z"}), "[xzy] [%s]");
}

TEST(FillPlaceholdersTest, FillingInPlaceMatchesAndReusesTheTextsMemory) {
    const std::vector<std::string> owned = {"0", "Left", "body", "0", "22", "a longer label than the next"};
    const std::array<std::string_view, 6> views = {owned[0], owned[1], owned[2],
                                                   owned[3], owned[4], owned[5]};
    std::string filled;
    Menu::FillPlaceholders(filled, Menu::MarkupTemplate, views);
    EXPECT_EQ(filled, Menu::FillPlaceholders(Menu::MarkupTemplate, owned));

    const char* memory = filled.data();
    const std::array<std::string_view, 6> shorter = {"0", "Left", "body", "0", "22", "short"};
    Menu::FillPlaceholders(filled, Menu::MarkupTemplate, shorter);
    EXPECT_EQ(filled.data(), memory) << "a text that fits is written where the last one was";
    EXPECT_NE(filled.find("~s~short</FONT>"), std::string::npos);
}

// DrawText fills the template in one pass; for every text it may be handed
// that is the markup the placeholder search gives.
TEST(FillMarkupTest, WritesWhatFillPlaceholdersGivesForAnyText) {
    const std::vector<std::vector<std::string>> settings = {
        {"0", "Center", "title", "0", "23"}, {"1386", "Right", "body", "-1", "20"}, {"", "", "", "", ""}};
    const std::vector<std::string> texts = {"",
                                            "Main Menu",
                                            "100%s sure",
                                            "%s%s",
                                            "ends in %",
                                            "<img src='img://generic_textures/tick' height='30' width='30'/>",
                                            std::string(400, 'x')};
    // Left over from a longer text: nothing of it may remain.
    std::string markup(1000, '#');
    for (const std::vector<std::string>& setting : settings) {
        for (const std::string& text : texts) {
            std::vector<std::string> values = setting;
            values.push_back(text);
            Menu::FillMarkup(markup, {values[0], values[1], values[2], values[3], values[4], values[5]});
            EXPECT_EQ(markup, Menu::FillPlaceholders(Menu::MarkupTemplate, values)) << "text: " << text;
        }
    }
}

TEST(DecimalTest, PlainDecimalWithoutPaddingOrGrouping) {
    EXPECT_EQ(Menu::Decimal(0).View(), "0");
    EXPECT_EQ(Menu::Decimal(7).View(), "7");
    EXPECT_EQ(Menu::Decimal(-1).View(), "-1");
    EXPECT_EQ(Menu::Decimal(1386).View(), "1386");
    EXPECT_EQ(Menu::Decimal(INT_MAX).View(), "2147483647");
    EXPECT_EQ(Menu::Decimal(INT_MIN).View(), "-2147483648");
    EXPECT_EQ(Menu::Decimal(std::int64_t{INT_MAX} + 1).View(), "2147483648");
}

// DrawText against the stand-in, on a 1920 x 1080 screen with a 1920-pixel window.
class DrawTextTest : public PluginTest {
  protected:
    DrawnText Draw(std::string_view text, int font, TextAlignment alignment, int size, float x, float y,
                   int letterSpacing = 0) {
        host.recorder.BeginFrame();
        Menu::frameTexts.Reset();
        Menu::DrawText(text, font, 1, 2, 3, 4, alignment, size, x, y, letterSpacing);
        const readback::Drawing drawn = ReadDrawing(host.recorder.Last());
        EXPECT_TRUE(drawn.faults.empty()) << drawn.faults.front();
        EXPECT_EQ(drawn.order, "t") << "one text: colour, make string, display; nothing else";
        return drawn.texts.empty() ? DrawnText{} : drawn.texts.front();
    }
};

TEST_F(DrawTextTest, CentredSubtitleFillsTheTemplateInOrder) {
    const DrawnText text = Draw("Main Menu", 16, TextAlignment::Center, 23, 313.0f, 172.0f);
    EXPECT_EQ(text.markup, "<TEXTFORMAT RIGHTMARGIN = '0'><P ALIGN = 'Center'><FONT FACE = '$title' "
                           "LETTERSPACING = '0' SIZE = '23'>~s~Main Menu</FONT></P><TEXTFORMAT>");
    EXPECT_EQ(text.x, 2.0f * (313.0f / 1920.0f) - 1.0f);
    EXPECT_EQ(text.y, 172.0f / 1080.0f);
    EXPECT_EQ((std::vector{text.colour.red, text.colour.green, text.colour.blue, text.colour.alpha}),
              (std::vector{1, 2, 3, 4}));
}

TEST_F(DrawTextTest, EachAlignmentPlacesTheTextItsOwnWay) {
    const DrawnText left = Draw("label", 0, TextAlignment::Left, 22, 100.0f, 254.0f);
    EXPECT_EQ(left.Attribute("RIGHTMARGIN"), "0");
    EXPECT_EQ(left.Attribute("ALIGN"), "Left");
    EXPECT_EQ(left.Attribute("FACE"), "$body");
    EXPECT_EQ(left.x, 100.0f / 1920.0f);
    EXPECT_EQ(left.y, 254.0f / 1080.0f);

    const DrawnText right = Draw("1 of 6", 0, TextAlignment::Right, 20, 534.0f, 243.0f, -1);
    EXPECT_EQ(right.markup, "<TEXTFORMAT RIGHTMARGIN = '1386'><P ALIGN = 'Right'><FONT FACE = '$body' "
                            "LETTERSPACING = '-1' SIZE = '20'>~s~1 of 6</FONT></P><TEXTFORMAT>");
    EXPECT_EQ(right.x, 0.0f);
    EXPECT_EQ(right.y, 243.0f / 1080.0f);
}

// A text is placed and sized by the window's height alone: s = height / 1080
// (of 100 below that), places x * s and y * s in the window's pixels, the
// right margin whole reference pixels from its right edge, sizes size * s truncated.
TEST_F(DrawTextTest, PlacesSizesAndMarginsScaleWithTheWindowsHeight) {
    struct Case {
        int width;
        int height;
        const char* labelSize; // 22
        const char* titleSize; // 45
        const char* margin;    // right end at 526.9
        float scale;
    };
    const Case cases[] = {
        {1920, 1080, "22", "45", "1394", 1.0f},           {1280, 720, "14", "30", "1394", 720.0f / 1080},
        {2560, 1440, "29", "60", "1394", 1440.0f / 1080}, {3440, 1440, "29", "60", "2054", 1440.0f / 1080},
        {3840, 2160, "44", "90", "1394", 2.0f},           {1920, 1200, "24", "50", "1202", 1200.0f / 1080},
        {160, 90, "2", "4", "1202", 100.0f / 1080}, // drawn at the scale of 100 lines
    };
    for (const Case& c : cases) {
        windowScale = Menu::ScaleOfWindow(c.width, c.height);
        const DrawnText label = Draw("label", 0, TextAlignment::Left, 22, 100.0f, 254.0f);
        EXPECT_EQ(label.Attribute("SIZE"), c.labelSize) << c.width << "x" << c.height;
        EXPECT_NEAR(label.x * static_cast<float>(c.width), 100.0f * c.scale, 1e-3f)
            << c.width << "x" << c.height;
        EXPECT_NEAR(label.y * static_cast<float>(c.height), 254.0f * c.scale, 1e-3f)
            << c.width << "x" << c.height;
        const DrawnText title = Draw("t", 16, TextAlignment::Center, 45, 313.0f, 79.0f);
        EXPECT_EQ(title.Attribute("SIZE"), c.titleSize) << c.width << "x" << c.height;
        EXPECT_NEAR((title.x + 1.0f) / 2.0f * static_cast<float>(c.width), 313.0f * c.scale, 1e-3f);
        EXPECT_EQ(Draw("v", 0, TextAlignment::Right, 22, 526.9f, 254.0f).Attribute("RIGHTMARGIN"), c.margin)
            << c.width << "x" << c.height;
    }
}

TEST_F(DrawTextTest, AnAbsurdWindowDoesNotOverflowTheSizeOrTheMargin) {
    windowScale = Menu::ScaleOfWindow(INT_MAX, 1080000000); // 45 x its height is past 32 bits
    const DrawnText title = Draw("t", 16, TextAlignment::Center, 45, 313.0f, 79.0f);
    EXPECT_EQ(title.Attribute("SIZE"), "45000000");
    EXPECT_EQ(Draw("v", 0, TextAlignment::Right, 22, 526.0f, 254.0f).Attribute("RIGHTMARGIN"), "1621")
        << "a window 2147.48 reference pixels wide";
}

// The margin is whole reference pixels toward zero, kept inside 32 bits
// whatever x is: 1920 - WholePixels(x) on a 1920-wide window.
TEST_F(DrawTextTest, ARightMarginStaysInside32BitsForAnyPlace) {
    const struct {
        float x;
        const char* margin;
    } cases[] = {
        {526.9f, "1394"},
        {-0.5f, "1920"},
        {std::numeric_limits<float>::quiet_NaN(), "1920"},
        {2147483520.0f, "-2147481600"}, // the last float below 2^31
        {2147483648.0f, "-2147481727"},
        {std::numeric_limits<float>::infinity(), "-2147481727"},
        {-2147483648.0f, "2147485568"},
        {-std::numeric_limits<float>::infinity(), "2147485568"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Draw("v", 0, TextAlignment::Right, 22, c.x, 254.0f).Attribute("RIGHTMARGIN"), c.margin)
            << c.x;
    }
}

// A high bit at any place of a text of any length is found, whichever load reads it.
TEST(IsAsciiTest, FindsAHighBitAtEveryPlace) {
    for (std::size_t length = 0; length <= 25; ++length) {
        std::string text(length, 'a');
        EXPECT_TRUE(Menu::IsAscii(text.data(), length)) << length;
        for (std::size_t at = 0; at < length; ++at) {
            text[at] = '\x80';
            EXPECT_FALSE(Menu::IsAscii(text.data(), length)) << length << " " << at;
            EXPECT_TRUE(Menu::IsAscii(text.data(), at)) << "bytes past the length are not read as the text's";
            text[at] = '\x7f';
        }
    }
}

TEST_F(DrawTextTest, TheTextGoesInUnchanged) {
    EXPECT_NE(Draw("", 0, TextAlignment::Left, 22, 100.0f, 254.0f).markup.find("'22'>~s~</FONT>"),
              std::string::npos);

    const std::string tick = "<img src='img://generic_textures/tick' height='30' width='30'/>";
    const DrawnText image = Draw(tick, 0, TextAlignment::Right, 22, 526.0f, 253.0f);
    EXPECT_EQ(image.Inner(), tick);

    EXPECT_EQ(Draw("100%s sure", 0, TextAlignment::Left, 22, 100.0f, 254.0f).Inner(), "100%s sure");
}

TEST_F(DrawTextTest, ATextEndsAtANulAndTheMarkupStaysWhole) {
    using namespace std::string_view_literals;
    EXPECT_EQ(Draw("Vis\0ible"sv, 0, TextAlignment::Left, 22, 100.0f, 254.0f).markup,
              "<TEXTFORMAT RIGHTMARGIN = '0'><P ALIGN = 'Left'><FONT FACE = '$body' "
              "LETTERSPACING = '0' SIZE = '22'>~s~Vis</FONT></P><TEXTFORMAT>");
    EXPECT_NE(Draw("\0"sv, 0, TextAlignment::Left, 22, 100.0f, 254.0f)
                  .markup.find("'22'>~s~</FONT></P><TEXTFORMAT>"),
              std::string::npos);
}

TEST_F(DrawTextTest, OutOfRangeFontsAndAlignmentsFallBackToBodyAndLeft) {
    EXPECT_EQ(Draw("a", 17, TextAlignment::Left, 22, 100.0f, 254.0f).Attribute("FACE"),
              "$wantedPostersGeneric");
    for (const int font : {18, -1, INT_MAX, INT_MIN}) {
        EXPECT_EQ(Draw("a", font, TextAlignment::Left, 22, 100.0f, 254.0f).Attribute("FACE"), "$body")
            << "font " << font;
    }
    for (const int alignment : {3, -1, 1000}) {
        const DrawnText text = Draw("a", 0, static_cast<TextAlignment>(alignment), 22, 313.0f, 254.0f);
        EXPECT_EQ(text.Attribute("ALIGN"), "Left") << "alignment " << alignment;
        EXPECT_EQ(text.Attribute("RIGHTMARGIN"), "0");
        EXPECT_EQ(text.x, 313.0f / 1920.0f);
    }
}

TEST_F(DrawTextTest, APieceWiseTextIsDrawnAsIfJoinedAndEndsAtANul) {
    using namespace std::string_view_literals;
    const std::string_view counter[] = {"3", " of ", "10"};
    host.recorder.BeginFrame();
    Menu::frameTexts.Reset();
    Menu::DrawText(counter, 0, 1, 2, 3, 4, TextAlignment::Right, 20, 534.0f, 243.0f, -1);
    const std::string_view cut[] = {"ab", "c\0d"sv, "e"};
    Menu::DrawText(cut, 0, 1, 2, 3, 4, TextAlignment::Left, 22, 100.0f, 254.0f, 0);
    const readback::Drawing drawn = ReadDrawing(host.recorder.Last());
    ASSERT_EQ(drawn.texts.size(), 2u);
    EXPECT_EQ(drawn.texts[0].Inner(), "3 of 10");
    EXPECT_EQ(drawn.texts[1].Inner(), "abc");
}

// Markups are kept from frame to frame and rebuilt only where what they are
// built from changed: whatever the last frame held at each place, every
// markup is the template filled with this call's values.
TEST_F(DrawTextTest, EveryMarkupIsTheFilledTemplateWhateverTheLastFrameDrew) {
    using namespace std::string_view_literals;
    struct Kind {
        int font;
        TextAlignment alignment;
        int size;
        float x;
        int letterSpacing;
    };
    const Kind kinds[] = {
        {16, TextAlignment::Center, 45, 313.0f, 0}, {0, TextAlignment::Left, 22, 100.0f, 0},
        {0, TextAlignment::Right, 20, 534.0f, -1},  {0, TextAlignment::Right, 22, 526.0f, 0},
        {16, TextAlignment::Center, 22, 313.0f, 0}, {0, TextAlignment::Center, 18, 313.0f, 0}};
    const std::string_view texts[] = {
        "",           "Row 1",   "Row 2", "Set voice: VOFX_PLAYER_MALE01",
        "100%s sure", "Vi\0s"sv, "Vi"sv,  "<img src='img://generic_textures/tick' height='30' width='30'/>"};
    const int windowHeights[] = {1080, 1080, 1080, 720};
    const char* const alignNames[] = {"Left", "Center", "Right"};

    std::mt19937 random(22);
    const auto pick = [&random](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    for (int frame = 0; frame < 300; ++frame) {
        const int windowHeight = windowHeights[pick(std::size(windowHeights))];
        windowScale = Menu::ScaleOfWindow(windowHeight * 16 / 9, windowHeight);
        host.recorder.BeginFrame();
        Menu::frameTexts.Reset();
        std::vector<std::string> expected;
        const std::size_t count = 1 + pick(12);
        for (std::size_t i = 0; i < count; ++i) {
            const Kind& kind = kinds[pick(std::size(kinds))];
            const std::string_view text = texts[pick(std::size(texts))];
            Menu::DrawText(text, kind.font, 1, 2, 3, 4, kind.alignment, kind.size, kind.x, 500.0f,
                           kind.letterSpacing);
            // In reference pixels: any 16:9 window is 1920 of them wide.
            const int margin = kind.alignment == TextAlignment::Right ? 1920 - static_cast<int>(kind.x) : 0;
            expected.push_back(Menu::FillPlaceholders(
                Menu::MarkupTemplate,
                {std::to_string(margin), alignNames[static_cast<int>(kind.alignment)],
                 Menu::FontNames[static_cast<std::size_t>(kind.font)], std::to_string(kind.letterSpacing),
                 std::to_string(kind.size * windowHeight / 1080),
                 std::string(text.substr(0, text.find('\0')))}));
        }
        const readback::Drawing drawn = ReadDrawing(host.recorder.Last());
        ASSERT_EQ(drawn.texts.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(drawn.texts[i].markup, expected[i]) << "frame " << frame << ", text " << i;
        }
    }
}

} // namespace
