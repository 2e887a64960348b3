#include "tools/render/ReadFrame.h"

#include "readback/MenuState.h"

#include "MenuRecord.h"
#include "host/GameControls.h"

#include <gtest/gtest.h>

namespace {

using menu_record::Bits;
using menu_record::Call;
using menu_record::FrameBuilder;
using render::Colour;
using render::ReadDrawing;

TEST(SceneTest, SpritesKeepWhatTheGameWasHanded) {
    FrameBuilder frame(1920, 1080, 1920);
    frame.Sprite("generic_textures", "menu_bar", 313, 974, 442, 2, 45.0f, 255, 255, 255, 175);
    const auto drawing = ReadDrawing(frame.frame);
    ASSERT_EQ(drawing.order, "s") << "prepare sprite draw draws nothing itself";
    const auto& sprite = drawing.sprites[0];
    EXPECT_EQ(sprite.dictionary, "generic_textures");
    EXPECT_EQ(sprite.texture, "menu_bar");
    EXPECT_FLOAT_EQ(sprite.x, 313.0f / 1920);
    EXPECT_FLOAT_EQ(sprite.y, 974.0f / 1080);
    EXPECT_FLOAT_EQ(sprite.width, 442.0f / 1920);
    EXPECT_FLOAT_EQ(sprite.height, 2.0f / 1080);
    EXPECT_EQ(sprite.rotation, 45.0f);
    EXPECT_EQ(sprite.colour, (Colour{255, 255, 255, 175}));
}

TEST(SceneTest, ATextColourHoldsForTheNextTextOnly) {
    FrameBuilder frame(1920, 1080, 1920);
    frame.Text("1 of 6", "body", {144, 144, 144, 230}, menu_record::Right, 20, 534, 573.48f, -1);
    // The same text displayed again without a colour call: the game draws it white.
    frame.frame.push_back(frame.frame.back());
    frame.frame.push_back(Call(native::SetTextColour, {1, 2, 3, 4}));
    frame.Text("Main Menu", "title", {10, 20, 30, 40}, menu_record::Center, 23, 313, 172);

    const auto drawing = ReadDrawing(frame.frame);
    ASSERT_EQ(drawing.texts.size(), 3u);
    EXPECT_EQ(drawing.texts[0].colour, (Colour{144, 144, 144, 230}));
    EXPECT_EQ(drawing.texts[1].colour, (Colour{255, 255, 255, 255}));
    EXPECT_EQ(drawing.texts[2].colour, (Colour{10, 20, 30, 40})) << "the latest colour call wins";
    EXPECT_EQ(readback::PlainText(drawing.texts[0].format), "1 of 6");
    EXPECT_EQ(drawing.texts[0].x, 0.0f);
    EXPECT_FLOAT_EQ(drawing.texts[0].y, 573.48f / 1080);
    EXPECT_FLOAT_EQ(drawing.texts[2].x, 2 * (313.0f / 1920) - 1);
}

TEST(SceneTest, CallsThatDrawNothingAreLeftOut) {
    FrameBuilder frame(1920, 1080, 1920);
    frame.frame.push_back(Call(native::PlayFrontendSound, {0, 0, 1, 0}, {"SELECT", "HUD_SHOP_SOUNDSET"}));
    frame.frame.push_back(Call(native::DisableControl, {0, control::INPUT_SELECT_RADAR_MODE, 0}));
    frame.frame.push_back(Call(0x1234, {Bits(0.5f)}));
    EXPECT_TRUE(ReadDrawing(frame.frame).order.empty());
}

// A record edited by hand, or from a run that broke off, can be short.
TEST(SceneTest, ShortRecordsAreCountedNotRead) {
    sim::Frame frame;
    frame.push_back(Call(native::DrawSprite, {0, 0, Bits(0.5f)}, {"generic_textures", "tick"}));
    frame.push_back(Call(native::DisplayText, {1}));
    frame.push_back(Call(native::SetTextColour, {1, 2}));
    auto missingTexts = Call(native::DisplayText, {1, Bits(0.1f), Bits(0.1f)});
    missingTexts.texts.clear();
    frame.push_back(missingTexts);
    render::Drawing drawing;
    ASSERT_NO_THROW(drawing = ReadDrawing(frame));
    EXPECT_TRUE(drawing.order.empty());
    EXPECT_EQ(drawing.unreadable, 3);
}

sim::NativeCall Sound(const char* name) {
    return Call(native::PlayFrontendSound, {0, 0, 1, 0}, {name, "Ledger_Sounds"});
}

// The shared reader, as tests read frames and as the tools do.
TEST(ReadbackTest, AStrictReadingNamesEachBrokenSequenceALenientOneDrawsWhatItCan) {
    FrameBuilder good(1920, 1080, 1920);
    good.Sprite("generic_textures", "tick", 10, 10, 4, 4, 0, 255, 255, 255, 255);
    good.Text("x", "body", {}, menu_record::Left, 22, 100, 254);
    const readback::Drawing clean = readback::ReadDrawing(good.frame, readback::Reading::Strict);
    EXPECT_TRUE(clean.faults.empty());
    EXPECT_EQ(clean.order, "st");
    EXPECT_EQ(clean.texts.at(0).Plain(), "x");

    sim::Frame broken = good.frame;
    broken.erase(broken.begin());                           // the sprite loses its prepare call
    broken[1].args[0] |= std::uint64_t{1} << 32;            // a colour with high bits
    broken.erase(broken.begin() + 2);                       // the text loses its game string
    broken.push_back(Call(native::PrepareSpriteDraw, {0})); // a prepare with no sprite
    broken.push_back(Call(native::DrawSprite, {0, 0, Bits(0.5f)}, {"generic_textures", "tick"}));
    const readback::Drawing strict = readback::ReadDrawing(broken, readback::Reading::Strict);
    const std::vector<std::string> expected = {
        "call 0: sprite without GRAPHICS::SET_SCRIPT_GFX_DRAW_ORDER(0) right before it",
        "call 1: colour not followed by make string and display",
        "call 1: colour argument not zero-extended",
        "call 2: text call outside colour, make string, display",
        "call 2: UIDEBUG::_BG_DISPLAY_TEXT shows another game string",
        "call 4: a drawing call without the arguments it needs",
    };
    EXPECT_EQ(strict.faults, expected);

    const readback::Drawing lenient = readback::ReadDrawing(broken, readback::Reading::Lenient);
    EXPECT_TRUE(lenient.faults.empty());
    EXPECT_EQ(lenient.order, "st") << "the sprite and the text are still drawn";
    EXPECT_EQ(lenient.unreadable, 1);
    EXPECT_EQ(lenient.texts.at(0).markupLocation, nullptr) << "no game string to say where it was";
}

TEST(ReadbackTest, PromptsKeepTheLastStateTheFrameSet) {
    const sim::Frame frame = {Call(native::SetPromptVisible, {1, 1}), Call(native::SetPromptEnabled, {1, 1}),
                              Call(native::SetPromptVisible, {2, 1}), Call(native::SetPromptVisible, {1, 0})};
    const auto prompts = readback::ReadDrawing(frame, readback::Reading::Strict).prompts;
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts[0].handle, 1u);
    EXPECT_FALSE(prompts[0].visible);
    EXPECT_TRUE(prompts[0].enabled);
    EXPECT_EQ(prompts[1].handle, 2u);
    EXPECT_TRUE(prompts[1].visible);
    EXPECT_FALSE(prompts[1].enabled);
}

TEST(ReadbackTest, TheMenuShowsItsHeaderCounterAndSelectedRow) {
    menu_record::Menu menu;
    menu.subtitle = "";
    menu.rows = {"first", "second", "third"};
    menu.descriptions = {"", "about second", ""};
    menu.selected = 1;
    sim::Frame frame = menu_record::OpenMenu(menu);
    // A separator heading in the list, in the title font as the header is.
    FrameBuilder separator(1920, 1080, 1920);
    separator.Text("Heading", "title", {}, menu_record::Center, 22, 313, 254 + 2 * separator.RowPitch());
    frame.insert(frame.end(), separator.frame.begin(), separator.frame.end());

    readback::MenuState shown = readback::ReadMenu(frame);
    EXPECT_TRUE(shown.open);
    EXPECT_EQ(shown.title, "Quorvane Dev Tools");
    EXPECT_EQ(shown.subtitle, "") << "an empty subtitle is still the subtitle";
    EXPECT_EQ(shown.counterText, "2 of 3");
    EXPECT_EQ(shown.counter, (readback::RowCounter{2, 3}));
    EXPECT_EQ(shown.selectedRow, "second");

    EXPECT_FALSE(readback::ReadMenu(sim::Frame{}).open);
}

TEST(ReadbackTest, SoundsAreKnownByTheirNativeNotTheirLabel) {
    sim::NativeCall unlabelled = Sound("NAV_UP");
    unlabelled.info = nullptr;
    sim::NativeCall other = Call(native::StopFrontendSound, {0}, {"NAV_DOWN"});
    other.info = sim::FindNative(native::PlayFrontendSound);
    const auto sounds = readback::ReadSounds({unlabelled, other, Sound("BACK")});
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_EQ(sounds[0].name, "NAV_UP");
    EXPECT_EQ(sounds[0].set, "Ledger_Sounds");
    EXPECT_EQ(sounds[1].name, "BACK");
}

} // namespace
