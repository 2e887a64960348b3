// Whether a frame is drawn again: only a change a picture could show counts.
#include "tools/workbench/FrameComparison.h"

#include <gtest/gtest.h>

namespace {

using workbench::SameDrawing;

// GRAPHICS::DRAW_SPRITE-like: a texture name as text, then its position.
sim::NativeCall Sprite(std::uint64_t nameAddress, const char* name, std::uint64_t x) {
    sim::NativeCall call;
    call.hash = 0xc9884ecade94cb34;
    call.args = {nameAddress, x};
    call.texts = {name, ""};
    return call;
}

sim::NativeCall Query(std::uint64_t hash, std::uint64_t result) {
    sim::NativeCall call;
    call.hash = hash;
    call.args = {0};
    call.texts = {""};
    call.result = result;
    return call;
}

TEST(FrameComparisonTest, IgnoresAnswersAndWhereTextsLiveButNothingADrawingShows) {
    const sim::Frame frame = {Query(0x1, 7), Sprite(0x1000, "menu_textures", 40)};
    EXPECT_TRUE(SameDrawing(frame, frame));
    EXPECT_TRUE(SameDrawing({}, {}));

    // The game hands out a new string each frame, and queries answer anew.
    EXPECT_TRUE(SameDrawing(frame, {Query(0x1, 9), Sprite(0x2000, "menu_textures", 40)}));

    EXPECT_FALSE(SameDrawing(frame, {Query(0x1, 7), Sprite(0x1000, "other_textures", 40)})) << "another text";
    EXPECT_FALSE(SameDrawing(frame, {Query(0x1, 7), Sprite(0x1000, "menu_textures", 41)})) << "moved";
    EXPECT_FALSE(SameDrawing(frame, {Query(0x2, 7), Sprite(0x1000, "menu_textures", 40)}))
        << "another native";
    EXPECT_FALSE(SameDrawing(frame, {Query(0x1, 7)})) << "a call fewer";
    EXPECT_FALSE(SameDrawing({Query(0x1, 7)}, frame)) << "a call more";

    sim::NativeCall longer = Sprite(0x1000, "menu_textures", 40);
    longer.args.push_back(0);
    longer.texts.push_back("");
    EXPECT_FALSE(SameDrawing(frame, {Query(0x1, 7), longer})) << "another argument";
}

} // namespace
