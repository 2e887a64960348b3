// Where the menu's parts stand and how big they are, in pixels of the
// 1920 x 1080 reference picture: the one copy the drawing, the mouse, the
// read-back and the renderer all read. Vertical places of a row's parts are
// those of the first slot; each further slot stands RowPitch lower.
// Depends on nothing of ours, so every layer can include it.
#pragma once

#include <algorithm>
#include <cstdint>

namespace Menu {

// The reference picture the numbers below are pixels of.
inline constexpr float ReferenceWidth = 1920;
inline constexpr float ReferenceHeight = 1080;

// Rows stand this share of the reference height apart, RowPitch pixels (55.08).
inline constexpr float RowPitchFactor = 0.051f;
inline constexpr float RowPitch = ReferenceHeight * RowPitchFactor;

// The backdrop behind the whole menu, top to bottom.
inline constexpr float BackdropTop = 25;
inline constexpr float BackdropHeight = 1026;
inline constexpr float BackdropBottom = BackdropTop + BackdropHeight;

// The banner, the title's line on it and the subtitle's below it.
inline constexpr float BannerTop = 51.8f;
inline constexpr float BannerHeight = 108;
inline constexpr float TitleTop = 79;
inline constexpr float SubtitleTop = 172;

// The scrollers above the first slot and below the last one used: two halves
// either side of an indicator.
inline constexpr float UpperScrollerTop = 215;
inline constexpr float ScrollerHeight = 25;
inline constexpr float ScrollerIndicatorWidth = 30;

// A row's box, from RowBoxTop to RowBoxTop + RowBoxHeight in its slot; the
// lower scroller stands where the first unused slot's box would.
inline constexpr float RowBoxTop = 244;
inline constexpr float RowBoxHeight = 52;
inline constexpr float SlotCentre = RowBoxTop + RowBoxHeight / 2;
// A row's label, value and right-hand text; the tick images a pixel higher.
inline constexpr float RowTextTop = 254;
inline constexpr float TickTop = RowTextTop - 1;
// "3 of 6", beside the lower scroller.
inline constexpr float CounterTop = RowBoxTop - 1;

// The frame around the selected row: its sides at the slot's centre, its top
// and bottom edges this far above and below it, reaching past the column.
inline constexpr float HighlightSideWidth = 19;
inline constexpr float HighlightSideHeight = 57;
inline constexpr float HighlightEdgeHeight = 22;
inline constexpr float HighlightEdgeFromCentre = 23;
inline constexpr float HighlightEdgeReach = 6; // past each side of the column

// The rule above the description, and the description's line.
inline constexpr float DescriptionBarCentre = 974;
inline constexpr float DescriptionBarHeight = 2;
inline constexpr float DescriptionBarRotation = 45;
inline constexpr float DescriptionTop = 980;

// The columns, from the look's left edge and width: labels start and values
// end this far inside the column, the backdrop and the highlight's sides
// stand this far outside it.
inline constexpr float TextInset = 8;
inline constexpr float BackdropOutside = 67;
inline constexpr float HighlightOutside = 5;

// The sides of the images inside a row's texts: a list's arrows, the tick box.
inline constexpr float ListArrowSide = 18;
inline constexpr float TickSide = 30;

// A badge stands at a row's right end, where the values end otherwise; they
// end left of it then. Pixels inside the values' right end.
inline constexpr float BadgeSize = 30;
inline constexpr float BadgeCentreInside = 15;
inline constexpr float BesideBadgeInside = 36;

// The game window the menu is drawn in. The whole reference picture is scaled
// by one factor, `scale` = the window's height / 1080, so the menu keeps its
// shape and its place at the left on any screen, ultrawide ones too: a place
// x, y is handed to the game as x / width, y / height, the window measured in
// reference pixels; a text's size is size x heightScaled / 1080, in whole
// numbers. A window less than SmallestScaledHeight pixels high is drawn at
// that height's scale.
struct WindowScale {
    std::int32_t pixelsWide = 1920;   // the window, in its own pixels
    std::int32_t heightScaled = 1080; // its height, at least SmallestScaledHeight
    float scale = 1;
    float width = ReferenceWidth; // the window, in reference pixels
    float height = ReferenceHeight;
};

inline constexpr std::int32_t SmallestScaledHeight = 100;

// For a window of these sides, both above zero. At 1920 x 1080, or any
// 16:9 size, width and height are exactly 1920 and 1080.
inline WindowScale ScaleOfWindow(std::int32_t pixelsWide, std::int32_t pixelsHigh) {
    WindowScale window;
    window.pixelsWide = pixelsWide;
    window.heightScaled = std::max(pixelsHigh, SmallestScaledHeight);
    window.scale = static_cast<float>(window.heightScaled) / ReferenceHeight;
    // Rounded once, from exact products: a 16:9 window is 1920 wide exactly.
    window.width = static_cast<float>(double{ReferenceHeight} * pixelsWide / window.heightScaled);
    window.height = static_cast<float>(double{ReferenceHeight} * pixelsHigh / window.heightScaled);
    return window;
}

// A text's size or an image's side inside a text, given for the reference
// picture, in whole pixels of this window.
inline std::int64_t ScaledWhole(std::int64_t pixels, const WindowScale& window) {
    return pixels * window.heightScaled / static_cast<std::int64_t>(ReferenceHeight);
}

} // namespace Menu
