// The prompts the game shows: read from the calls that make and show them,
// placed bottom right and drawn as key caps with their text.
#include "tools/render/PromptBoard.h"

#include "MenuRecord.h"
#include "host/GameControls.h"
#include "tests/support/PixelChecks.h"
#include "tools/render/PromptStrip.h"
#include "tools/render/Renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using menu_record::Call;
using render::PromptBoard;
using render::PromptPlace;
using render::ShownPrompt;
using Sizes = render::PromptStripLook;

sim::NativeCall Made(std::uint32_t handle) {
    sim::NativeCall call = Call(native::BeginPrompt, {});
    call.result = handle;
    return call;
}

sim::NativeCall Device(bool keyboard) {
    sim::NativeCall call = Call(native::InputDeviceQuery, {0});
    call.result = keyboard ? 1 : 0;
    return call;
}

// What the plug-in's start-up makes: two prompts, hidden and disabled.
sim::Frame StartUp() {
    return {Made(1),
            Call(native::SetPromptControl, {1, control::INPUT_GAME_MENU_ACCEPT}),
            Call(native::SetPromptText, {1, 0x5354520000000001}, {"", "Select"}),
            Call(native::SetPromptVisible, {1, 0}),
            Call(native::SetPromptEnabled, {1, 0}),
            Made(2),
            Call(native::SetPromptControl, {2, control::INPUT_GAME_MENU_CANCEL}),
            Call(native::SetPromptText, {2, 0x5354520000000002}, {"", "Back"}),
            Call(native::SetPromptVisible, {2, 0}),
            Call(native::SetPromptEnabled, {2, 0})};
}

using Shown = std::vector<ShownPrompt>;

TEST(PromptBoardTest, APromptShowsWhileVisibleAndEnabledWithTheKeyOfTheDeviceInUse) {
    PromptBoard board;
    board.Read(StartUp());
    EXPECT_TRUE(board.Shown().empty()) << "made hidden";

    board.Read({Device(true), Call(native::SetPromptVisible, {1, 1}), Call(native::SetPromptEnabled, {1, 1}),
                Call(native::SetPromptVisible, {2, 1})});
    EXPECT_EQ(board.Shown(), (Shown{{"Select", "Enter"}})) << "Back is visible but not enabled";

    board.Read({Device(false), Call(native::SetPromptEnabled, {2, 1})});
    EXPECT_EQ(board.Shown(), (Shown{{"Select", "A"}, {"Back", "B"}}))
        << "a frame that leaves the prompts alone keeps them; a controller shows its buttons";

    board.Read({Device(true), Call(native::SetPromptVisible, {1, 0})});
    EXPECT_EQ(board.Shown(), (Shown{{"Back", "Backspace"}}));
}

TEST(PromptBoardTest, UnknownControlsAndShortCallsShowWhatCanBeRead) {
    PromptBoard board;
    board.Read({Made(7), Call(native::SetPromptControl, {7, 0x1234}), Call(native::SetPromptText, {7}),
                Call(native::SetPromptVisible, {7}), Call(native::SetPromptVisible, {7, 1}),
                Call(native::SetPromptEnabled, {7, 1})});
    EXPECT_EQ(board.Shown(), (Shown{{"", "?"}})) << "no text, and a control the stand-in does not know";

    board.Read({Made(7)});
    EXPECT_TRUE(board.Shown().empty()) << "a handle made again is a new, hidden prompt";
}

TEST(PromptStripTest, PromptsStandInOrderEndingAtTheRightMarginAndScaleWithThePicture) {
    const Shown prompts = {{"Select", "Enter"}, {"Back", "Backspace"}};
    const std::vector<PromptPlace> places = render::PlacePrompts(prompts, 1920, 1080);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_DOUBLE_EQ(places[1].textRight, 1920 - Sizes::RightMargin);
    EXPECT_LT(places[0].textRight, places[1].capLeft) << "Select before Back, apart";
    for (const PromptPlace& place : places) {
        EXPECT_LT(place.capLeft, place.capRight);
        EXPECT_GE(place.capRight - place.capLeft, Sizes::CapHeight) << "a short key still gets a square cap";
        EXPECT_LT(place.capRight, place.textLeft);
        EXPECT_DOUBLE_EQ(place.capBottom - place.capTop, Sizes::CapHeight);
        EXPECT_DOUBLE_EQ((place.capTop + place.capBottom) / 2, 1080 - Sizes::CentreAboveBottom);
    }
    EXPECT_GT(places[1].capRight - places[1].capLeft, places[0].capRight - places[0].capLeft)
        << "the cap fits its key's name";

    const std::vector<PromptPlace> large = render::PlacePrompts(prompts, 3840, 2160);
    const double fromRight = 1920 - places[0].capLeft;
    EXPECT_NEAR(3840 - large[0].capLeft, 2 * fromRight, 0.02 * fromRight)
        << "twice the height, twice the size";
    EXPECT_TRUE(render::PlacePrompts({}, 1920, 1080).empty());
}

TEST(PromptStripTest, EachPromptIsAKeyCapWithItsKeyAndItsTextBesideIt) {
    const Shown prompts = {{"Select", "Enter"}};
    render::Picture picture(1920, 1080, render::WorldColour);
    render::DrawPrompts(picture, prompts);
    const PromptPlace place = render::PlacePrompts(prompts, 1920, 1080).at(0);
    const double middle = (place.capTop + place.capBottom) / 2;
    EXPECT_EQ(picture.At(static_cast<int>(place.capLeft) + 3, static_cast<int>(middle)), Sizes::CapColour);

    int keyInk = 0;
    int textInk = 0;
    int outside = 0;
    for (int y = 0; y < 1080; ++y) {
        for (int x = 0; x < 1920; ++x) {
            const render::Pixel pixel = picture.At(x, y);
            // A pixel of slack for the edges' smoothing and the text's shadow.
            const bool inCap = x >= place.capLeft - 1 && x <= place.capRight + 1 && y >= place.capTop - 1 &&
                               y <= place.capBottom + 1;
            const bool inText = x >= place.textLeft - 1 && x <= place.textRight + 2 && y >= place.capTop &&
                                y <= place.capBottom + 2;
            keyInk += inCap && pixel.red < 100 ? 1 : 0;
            textInk += inText && pixel.red > 200 ? 1 : 0;
            outside += !inCap && !inText && pixel != render::WorldColour ? 1 : 0;
        }
    }
    EXPECT_GT(keyInk, 50) << "the key's name on its cap";
    EXPECT_GT(textInk, 50) << "the prompt's text beside it";
    EXPECT_EQ(outside, 0) << "nothing elsewhere";

    render::Picture untouched(64, 64, render::WorldColour);
    render::DrawPrompts(untouched, {});
    EXPECT_EQ(pixel_checks::CountNot(untouched, render::WorldColour), 0);
}

} // namespace
