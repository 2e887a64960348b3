#include "readback/Markup.h"

#include "MenuRecord.h"

#include <gtest/gtest.h>

namespace {

using readback::Align;
using readback::ParseMarkup;
using readback::PlainText;

const std::string tickTag = "<img src='img://generic_textures/tick' height='30' width='30'/>";
const std::string leftArrow = "<img src='img://menu_textures/selection_arrow_left' height='18' width='18'/> ";
const std::string rightArrow =
    " <img src='img://menu_textures/selection_arrow_right' height='18' width='18'/>";

TEST(MarkupTest, ReadsTheTemplateTheMenuFills) {
    const auto format = ParseMarkup(menu_record::Markup("1386", "Right", "body", -1, 20, "3 of 6"));
    EXPECT_EQ(format.rightMargin, 1386.0f);
    EXPECT_EQ(format.align, Align::Right);
    ASSERT_EQ(format.pieces.size(), 1u);
    const auto& piece = format.pieces[0];
    EXPECT_FALSE(piece.isImage);
    EXPECT_EQ(piece.text, "3 of 6") << "the ~s~ format code draws nothing";
    EXPECT_EQ(piece.font.face, "body") << "the $ marks a game font";
    EXPECT_EQ(piece.font.size, 20.0f);
    EXPECT_EQ(piece.font.letterSpacing, -1.0f);

    const auto title = ParseMarkup(menu_record::Markup("0", "Center", "title", 0, 45, "Quorvane Dev Tools"));
    EXPECT_EQ(title.align, Align::Center);
    EXPECT_EQ(title.rightMargin, 0.0f);
    EXPECT_EQ(title.pieces.at(0).font.face, "title");
    EXPECT_EQ(PlainText(title), "Quorvane Dev Tools");
}

TEST(MarkupTest, ImageTagsBecomePicturesBetweenTheText) {
    const auto value =
        ParseMarkup(menu_record::Markup("1394", "Right", "body", 0, 22, leftArrow + "B" + rightArrow));
    ASSERT_EQ(value.pieces.size(), 3u);
    EXPECT_TRUE(value.pieces[0].isImage);
    EXPECT_EQ(value.pieces[0].dictionary, "menu_textures");
    EXPECT_EQ(value.pieces[0].texture, "selection_arrow_left");
    EXPECT_EQ(value.pieces[0].width, 18.0f);
    EXPECT_EQ(value.pieces[0].height, 18.0f);
    EXPECT_EQ(value.pieces[1].text, " B ") << "the spaces the tags carry stay";
    EXPECT_EQ(value.pieces[2].texture, "selection_arrow_right");
    EXPECT_EQ(value.pieces[2].font.size, 22.0f) << "an image stands in the font around it";

    const auto tick = ParseMarkup(menu_record::Markup("1394", "Right", "body", 0, 22, tickTag));
    ASSERT_EQ(tick.pieces.size(), 1u);
    EXPECT_EQ(tick.pieces[0].dictionary, "generic_textures");
    EXPECT_EQ(tick.pieces[0].texture, "tick");
    EXPECT_EQ(tick.pieces[0].width, 30.0f);
    EXPECT_EQ(PlainText(tick), "");
}

TEST(MarkupTest, TextIsTakenLiterallyApartFromTagsCodesAndEntities) {
    const auto format = [](const std::string& text) {
        return PlainText(ParseMarkup(menu_record::Markup("0", "Left", "body", 0, 22, text)));
    };
    EXPECT_EQ(format(""), "");
    EXPECT_TRUE(ParseMarkup(menu_record::Markup("0", "Left", "body", 0, 22, "")).pieces.empty());
    EXPECT_EQ(format("100%s done"), "100%s done");
    EXPECT_EQ(format("Sets the player's voice."), "Sets the player's voice.");
    EXPECT_EQ(format("a < b and c > d"), "a < b and c > d") << "a lone < starts no tag";
    EXPECT_EQ(format("~COLOR_RED~red~s~ ~ not a code ~"), "red ~ not a code ~");
    EXPECT_EQ(format("Fish &amp; chips &lt;3"), "Fish & chips <3");
    EXPECT_EQ(format("<b>bold</b> <unknown x='1'>"), "bold ") << "unknown tags draw nothing";
    EXPECT_EQ(format("<img src='img://x/y' height='1"), "<img src='img://x/y' height='1")
        << "an unfinished tag is text";
}

TEST(MarkupTest, AttributesReadInAnyCaseAndQuoting) {
    const auto format =
        ParseMarkup("<textformat rightmargin=\"12\"><p align=center><font face='$title' size=\"30\">A"
                    "<FONT SIZE='10' LETTERSPACING='2'>b</FONT>c</font></p>");
    EXPECT_EQ(format.rightMargin, 12.0f);
    EXPECT_EQ(format.align, Align::Center);
    ASSERT_EQ(format.pieces.size(), 3u);
    EXPECT_EQ(format.pieces[0].font.size, 30.0f);
    EXPECT_EQ(format.pieces[1].text, "b");
    EXPECT_EQ(format.pieces[1].font.size, 10.0f);
    EXPECT_EQ(format.pieces[1].font.face, "title") << "an inner font keeps what it does not change";
    EXPECT_EQ(format.pieces[1].font.letterSpacing, 2.0f);
    EXPECT_EQ(format.pieces[2].font.size, 30.0f) << "closing the inner font restores the outer";
}

TEST(MarkupTest, NumbersThatAreNotNumbersKeepTheirDefaults) {
    const auto format = ParseMarkup("<TEXTFORMAT RIGHTMARGIN='wide'><FONT SIZE='12px'>x</FONT>"
                                    "<img src='noscheme' width='-' height='5'/>");
    EXPECT_EQ(format.rightMargin, 0.0f);
    EXPECT_EQ(format.pieces.at(0).font.size, 0.0f);
    ASSERT_EQ(format.pieces.size(), 2u);
    EXPECT_EQ(format.pieces[1].dictionary, "");
    EXPECT_EQ(format.pieces[1].texture, "noscheme");
    EXPECT_EQ(format.pieces[1].width, 0.0f);
    EXPECT_EQ(format.pieces[1].height, 5.0f);
}

} // namespace

// Each pattern once made every '<' read on to the end of the text: quadratic.
TEST(MarkupTest, UnclosedTagsAreReadInStepsLinearInTheLength) {
    for (const std::string unit : {"<a b=", "<a b='x' ", "<FONT FACE = '$body' ", "<a ", "<", "<a b=\"'"}) {
        std::string markup;
        while (markup.size() < 100'000) {
            markup += unit;
        }
        std::size_t steps = 0;
        const auto format = ParseMarkup(markup, &steps);
        EXPECT_EQ(PlainText(format), markup) << unit << ": no tag closes, so all is text";
        EXPECT_LE(steps, 10 * (markup.size() + 1)) << unit;
    }
    // A good tag after all of them is still read.
    std::size_t steps = 0;
    const auto format = ParseMarkup(std::string(1000, '<') + "<a b=\"<FONT SIZE='9'>x", &steps);
    EXPECT_EQ(PlainText(format), std::string(1000, '<') + "<a b=\"x");
    EXPECT_EQ(format.pieces.back().font.size, 9.0f);
}
