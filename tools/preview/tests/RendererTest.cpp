// Pictures of hand-made records: the calls the menu's layout prescribes,
// rendered and read back pixel by pixel.
#include "tools/render/Renderer.h"

#include "MenuRecord.h"
#include "tests/support/PixelChecks.h"
#include "tools/preview/ContactSheet.h"
#include "tools/render/ReadFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace pixel_checks;
using menu_record::FrameBuilder;
using render::ReadDrawing;
using render::Render;

const std::vector<std::string> voiceRows = {
    "Set voice: VOFX_PLAYER_MALE01",   "Set voice: VOFX_PLAYER_MALE02",   "Set voice: VOFX_PLAYER_MALE03",
    "Set voice: VOFX_PLAYER_FEMALE01", "Set voice: VOFX_PLAYER_FEMALE02", "Set voice: VOFX_PLAYER_FEMALE03",
};

Picture RenderMenu(int selected, int screenWidth = 1920, int screenHeight = 1080,
                   std::vector<std::string> rows = voiceRows) {
    menu_record::Menu menu;
    menu.rows = std::move(rows);
    menu.selected = selected;
    menu.screenWidth = screenWidth;
    menu.screenHeight = screenHeight;
    return Render(ReadDrawing(menu_record::OpenMenu(menu)), screenWidth, screenHeight);
}

TEST(RendererTest, HighlightFramesTheSelectedSlotAndMovesWithIt) {
    for (const int selected : {0, 3, 5}) {
        const Picture picture = RenderMenu(selected);
        for (int slot = 0; slot < 8; ++slot) {
            if (slot == selected) {
                EXPECT_TRUE(HighlightAround(picture, slot, 1080));
            } else {
                EXPECT_TRUE(NoHighlightAround(picture, slot, 1080)) << "selected " << selected;
            }
        }
    }
}

TEST(RendererTest, HighlightStaysOnTheLastSlotOnceTheListScrolls) {
    std::vector<std::string> rows;
    for (int i = 0; i < 10; ++i) {
        rows.push_back("row " + std::to_string(i));
    }
    const Picture picture = RenderMenu(9, 1920, 1080, rows);
    EXPECT_TRUE(HighlightAround(picture, 7, 1080));
    EXPECT_TRUE(NoHighlightAround(picture, 0, 1080));
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_TRUE(Near(RowBoxSample(picture, slot, 1080), RowBox())) << "slot " << slot;
    }
}

TEST(RendererTest, RowBoxesStandInTheirSlotsOverTheInk) {
    const Picture picture = RenderMenu(0);
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_TRUE(Near(RowBoxSample(picture, slot, 1080), RowBox())) << "slot " << slot;
    }
    // Six rows leave slot 7 bare ink; the lower scroller fills slot 6's top.
    EXPECT_TRUE(Near(RowBoxSample(picture, 7, 1080), Ink()));
    // Between two boxes (296 + kR to 244 + (k + 1)R) the ink shows through.
    EXPECT_TRUE(Near(At(picture, 200, 297.5), Ink()));
    // The backdrop spans 25 ... 601 by 25 ... 1051; the world is outside it.
    EXPECT_TRUE(Near(At(picture, 300, 1040), Ink()));
    EXPECT_EQ(At(picture, 300, 1060), render::WorldColour);
    EXPECT_EQ(At(picture, 620, 500), render::WorldColour);
    EXPECT_EQ(At(picture, 10, 500), render::WorldColour);
}

TEST(RendererTest, AFrameWithoutDrawingIsTheWorldOnly) {
    FrameBuilder sounds(1920, 1080, 1920);
    sounds.frame.push_back(
        menu_record::Call(native::PlayFrontendSound, {0, 0, 1, 0}, {"NAV_UP", "Ledger_Sounds"}));
    sounds.frame.push_back(menu_record::Call(native::RadarDisplaySwitch, {1}));
    const Picture picture = Render(ReadDrawing(sounds.frame), 1920, 1080);
    EXPECT_EQ(CountNot(picture, render::WorldColour), 0);
}

TEST(RendererTest, PositionsAreFractionsOfTheScreenSoA2560By1440ScreenScalesThem) {
    // A sprite a tenth of the screen wide, centred: 256 x 144 pixels around (1280, 720).
    FrameBuilder centred(2560, 1440, 2560);
    centred.Sprite("generic_textures", "selection_box_bg_1c", 1280, 720, 256, 144, 0, 255, 255, 255, 255);
    const Picture picture = Render(ReadDrawing(centred.frame), 2560, 1440);
    const Pixel white{255, 255, 255};
    EXPECT_EQ(picture.At(1153, 649), white);
    EXPECT_EQ(picture.At(1406, 790), white);
    EXPECT_EQ(picture.At(1150, 720), render::WorldColour);
    EXPECT_EQ(picture.At(1410, 720), render::WorldColour);
    EXPECT_EQ(picture.At(1280, 646), render::WorldColour);

    // The whole menu grows with the screen's height: its rows 73.44 pixels apart on 1440 lines.
    const Picture menu = RenderMenu(2, 2560, 1440);
    EXPECT_TRUE(HighlightAround(menu, 2, 1440));
    EXPECT_TRUE(NoHighlightAround(menu, 1, 1440));
    EXPECT_FALSE(IsRed(At(menu, pixel_checks::HighlightX(2), HighlightTop(2, 1080))))
        << "rows must not keep the 1080-line pitch";
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_TRUE(Near(RowBoxSample(menu, slot, 1440), RowBox())) << "slot " << slot;
    }
}

TEST(RendererTest, SpritesTurnByTheirRotationInDegrees) {
    FrameBuilder bars(1920, 1080, 1920);
    bars.Sprite("generic_textures", "menu_bar", 500, 500, 200, 4, 90.0f, 255, 255, 255, 255);
    bars.Sprite("generic_textures", "menu_bar", 1000, 500, 200, 4, 45.0f, 255, 255, 255, 255);
    const Picture picture = Render(ReadDrawing(bars.frame), 1920, 1080);
    const Pixel white{255, 255, 255};
    EXPECT_EQ(picture.At(500, 420), white) << "a quarter turn stands the bar upright";
    EXPECT_EQ(picture.At(580, 500), render::WorldColour);
    EXPECT_EQ(picture.At(1050, 550), white) << "45 degrees runs down to the right";
    EXPECT_EQ(picture.At(1050, 450), render::WorldColour);
}

TEST(RendererTest, UnknownTexturesShowAsMagentaBoxes) {
    FrameBuilder frame(1920, 1080, 1920);
    frame.Sprite("menu_textures", "no_such_texture", 500, 500, 100, 100, 0, 255, 255, 255, 255);
    const Picture picture = Render(ReadDrawing(frame.frame), 1920, 1080);
    EXPECT_EQ(picture.At(451, 500), (Pixel{255, 0, 255}));
    EXPECT_EQ(picture.At(500, 500), (Pixel{255, 0, 255})) << "the diagonals cross in the middle";
}

// Text boxes run from x to the right margin; the paragraph aligns inside.
TEST(RendererTest, TextLandsWhereItsAlignmentAndMarginSay) {
    FrameBuilder frame(1920, 1080, 1920);
    frame.Text("Set voice: VOFX_PLAYER_MALE01", "body", {}, menu_record::Left, 22, 100, 254);
    frame.Text("Main Menu", "title", {}, menu_record::Center, 23, 313, 172);
    frame.Text("1 of 6", "body", {144, 144, 144, 230}, menu_record::Right, 20, 534, 573.48f, -1);
    const render::Drawing drawing = ReadDrawing(frame.frame);
    ASSERT_EQ(drawing.texts.size(), 3u);

    const auto label = render::PlaceText(drawing.texts[0], 1920, 1080);
    EXPECT_NEAR(label.left, 100, 0.01);
    EXPECT_NEAR(label.top, 254, 0.01);
    EXPECT_GT(label.right, 300) << "a 29-character label at size 22";

    const auto subtitle = render::PlaceText(drawing.texts[1], 1920, 1080);
    EXPECT_NEAR((subtitle.left + subtitle.right) / 2, 313, 0.01);
    EXPECT_GT(subtitle.right - subtitle.left, 60);

    const auto counter = render::PlaceText(drawing.texts[2], 1920, 1080);
    EXPECT_NEAR(counter.right, 534, 0.01);
    EXPECT_LT(counter.left, 534 - 40);
}

TEST(RendererTest, LetterSpacingAndSizeChangeTheWidth) {
    const auto width = [](int spacing, int size) {
        FrameBuilder frame(1920, 1080, 1920);
        frame.Text("1 of 6", "body", {}, menu_record::Left, size, 100, 100, spacing);
        const auto bounds = render::PlaceText(ReadDrawing(frame.frame).texts.at(0), 1920, 1080);
        return bounds.right - bounds.left;
    };
    EXPECT_NEAR(width(0, 20) - width(-1, 20), 5.0, 0.01) << "six characters: five gaps";
    EXPECT_NEAR(width(0, 40) / width(0, 20), 2.0, 0.1);
}

TEST(RendererTest, TextTakesTheColourSetBeforeIt) {
    FrameBuilder frame(1920, 1080, 1920);
    // A full block fills its cell, so its middle shows the colour alone.
    frame.Text("\xe2\x96\x88", "body", {20, 200, 40, 255}, menu_record::Center, 120, 960, 400);
    frame.Text("\xe2\x96\x88", "body", {}, menu_record::Center, 120, 960, 700);
    const render::Drawing drawing = ReadDrawing(frame.frame);
    const Picture picture = Render(drawing, 1920, 1080);
    for (const auto& [item, colour] :
         {std::pair{0, Pixel{20, 200, 40}}, std::pair{1, Pixel{255, 255, 255}}}) {
        const auto box = render::PlaceText(drawing.texts[static_cast<std::size_t>(item)], 1920, 1080);
        EXPECT_EQ(At(picture, (box.left + box.right) / 2, (box.top + box.bottom) / 2), colour)
            << "text " << item;
    }
}

TEST(RendererTest, ImageTagsDrawTheirPicturesInline) {
    const std::string tick = "<img src='img://generic_textures/tick' height='30' width='30'/>";
    const std::string tickBox = "<img src='img://generic_textures/tick_box' height='30' width='30'/>";
    const auto render = [](const std::string& text) {
        FrameBuilder frame(1920, 1080, 1920);
        frame.Text(text, "body", {}, menu_record::Right, 22, 526, 253);
        const render::Drawing drawing = ReadDrawing(frame.frame);
        return std::pair{Render(drawing, 1920, 1080), render::PlaceText(drawing.texts.at(0), 1920, 1080)};
    };
    const auto [ticked, box] = render(tick + tickBox);
    const auto [empty, emptyBox] = render(tickBox);
    // Two pictures over the same place would be 60 wide; each tag is 30.
    EXPECT_NEAR(box.right, 526, 0.01);
    EXPECT_NEAR(box.right - box.left, 60, 0.01);
    EXPECT_NEAR(emptyBox.right - emptyBox.left, 30, 0.01);
    EXPECT_NEAR(emptyBox.bottom - emptyBox.top, 30, 1.0) << "the picture is taller than the line";

    // The tick box's left side, and the tick's elbow only where the tick is.
    const Pixel white{255, 255, 255};
    EXPECT_EQ(At(empty, emptyBox.left + 3.6, (emptyBox.top + emptyBox.bottom) / 2), white);
    EXPECT_EQ(At(ticked, box.left + 12.6, box.top + 21.6), white);
    EXPECT_EQ(At(empty, emptyBox.left + 12.6, emptyBox.top + 21.6), render::WorldColour);
}

TEST(RendererTest, BrokenValuesDrawNothingAndSpoilNothingAfter) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    FrameBuilder frame(1920, 1080, 1920);
    frame.Sprite("generic_textures", "selection_box_bg_1c", nan, 500, 100, 100, 0, 255, 255, 255, 255);
    frame.Sprite("generic_textures", "selection_box_bg_1c", 500, 500, 100, 100, nan, 255, 255, 255, 255);
    // Latin-1 bytes are not UTF-8: they show as replacement characters.
    frame.Text("caf\xe9 \xc0\xaf \xed\xa0\x80 \xf0\x9f", "body", {}, menu_record::Left, 22, 1500, 100);
    // A runaway size is bounded instead of asking for glyphs two billion pixels high.
    frame.Text("huge", "body", {}, menu_record::Left, 0, 1900, 1070);
    frame.frame.back().texts[0] = menu_record::Markup("0", "Left", "body", 0, 2000000000, "huge");
    frame.Sprite("generic_textures", "selection_box_bg_1c", 960, 540, 10, 10, 0, 255, 0, 0, 255);

    const Picture picture = Render(ReadDrawing(frame.frame), 1920, 1080);
    EXPECT_EQ(picture.At(960, 540), (Pixel{255, 0, 0})) << "the last sprite is still drawn";
    EXPECT_EQ(picture.At(500, 500), render::WorldColour);
    EXPECT_EQ(picture.At(450, 450), render::WorldColour);
}

int CountNotIn(const Picture& picture, int left, int top, int width, int height, Pixel colour) {
    int count = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            count += picture.At(x, y) == colour ? 0 : 1;
        }
    }
    return count;
}

TEST(RendererTest, ContactSheetSetsSnapshotsInRowsOfThreeEachAboveItsName) {
    using preview::ContactSheet;
    const Pixel colours[] = {{200, 0, 0}, {0, 200, 0}, {0, 0, 200}, {200, 200, 0}};
    ContactSheet sheet(96);
    for (int i = 0; i < 4; ++i) {
        sheet.Add("shot-" + std::to_string(i), Picture(192, 108, colours[i]));
    }
    const Picture picture = sheet.Render();
    const int pad = ContactSheet::Padding;
    const int cellWidth = 96 + pad;
    const int cellHeight = 54 + ContactSheet::LabelHeight + pad;
    ASSERT_EQ(picture.Width(), pad + 3 * cellWidth);
    ASSERT_EQ(picture.Height(), pad + 2 * cellHeight);
    for (int i = 0; i < 6; ++i) {
        const int left = pad + (i % 3) * cellWidth;
        const int top = pad + (i / 3) * cellHeight;
        const int labelInk =
            CountNotIn(picture, left, top + 54, 96, ContactSheet::LabelHeight, ContactSheet::Background);
        if (i < 4) {
            EXPECT_EQ(picture.At(left + 48, top + 27), colours[i])
                << "snapshot " << i << " scaled into its cell";
            EXPECT_EQ(picture.At(left + 95, top + 53), colours[i]) << "and filling it";
            EXPECT_GT(labelInk, 20) << "the name under snapshot " << i;
        } else {
            EXPECT_EQ(
                CountNotIn(picture, left, top, 96, 54 + ContactSheet::LabelHeight, ContactSheet::Background),
                0)
                << "cell " << i << " stays empty";
        }
    }
}

// Read at a glance on a laptop screen: snapshots at least 480 pixels wide,
// names whose capitals stand at least 16 pixels high, whole, in their band.
TEST(RendererTest, AContactSheetShowsWidePicturesAndTallNames) {
    using preview::ContactSheet;
    ContactSheet sheet;
    sheet.Add("HIGH", Picture(1920, 1080, {200, 0, 0}));
    const Picture picture = sheet.Render();
    const int thumbnailWidth = picture.Width() - 2 * ContactSheet::Padding;
    EXPECT_GE(thumbnailWidth, 480);
    const int labelTop = ContactSheet::Padding + thumbnailWidth * 1080 / 1920;
    ASSERT_EQ(picture.Height(), labelTop + ContactSheet::LabelHeight + ContactSheet::Padding);
    int firstInk = -1;
    int lastInk = -1;
    for (int y = labelTop; y < labelTop + ContactSheet::LabelHeight; ++y) {
        if (CountNotIn(picture, 0, y, picture.Width(), 1, ContactSheet::Background) > 0) {
            firstInk = firstInk < 0 ? y : firstInk;
            lastInk = y;
        }
    }
    ASSERT_GE(firstInk, 0) << "the name is drawn";
    EXPECT_GE(lastInk - firstInk + 1, 16) << "capitals, no descenders";
    EXPECT_GT(firstInk, labelTop + 1) << "apart from the picture";
    EXPECT_LT(lastInk, labelTop + ContactSheet::LabelHeight - 4) << "room below for descenders";
}

TEST(RendererTest, ContactSheetOfALongSessionShowsItsStart) {
    preview::ContactSheet sheet(32);
    const Picture snapshot(64, 36, {200, 0, 0});
    for (int i = 0; i < preview::ContactSheet::MaxThumbnails + 4; ++i) {
        sheet.Add(std::to_string(i), snapshot);
    }
    EXPECT_EQ(sheet.Added(), preview::ContactSheet::MaxThumbnails + 4);
    EXPECT_EQ(sheet.Shown(), preview::ContactSheet::MaxThumbnails);
    const int rows = preview::ContactSheet::MaxThumbnails / preview::ContactSheet::Columns;
    EXPECT_EQ(sheet.Render().Height(),
              preview::ContactSheet::Padding +
                  rows * (18 + preview::ContactSheet::LabelHeight + preview::ContactSheet::Padding));
    EXPECT_THROW(preview::ContactSheet().Render(), std::logic_error) << "no snapshot, no sheet";
}

} // namespace
