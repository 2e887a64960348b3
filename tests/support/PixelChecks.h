// Reading rendered menus: where the layout puts things, and what colour a
// pixel there should have.
#pragma once

#include "tests/support/MenuLayout.h"
#include "tools/render/Picture.h"
#include "tools/render/Renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace pixel_checks {

using render::Picture;
using render::Pixel;

// The distance between rows on a screen of this height, as the plug-in computes it.
inline double RowPitch(int screenHeight) {
    return static_cast<double>(menu_layout::RowPitch(static_cast<float>(screenHeight)));
}

// The whole menu grows with the screen's height: layout pixels times this.
inline double Scale(int screenHeight) {
    return screenHeight / 1080.0;
}

// Pixels of the slot's centre line and of the highlight's edges.
inline double SlotCentre(int slot, int screenHeight) {
    return menu_layout::SlotCentre * Scale(screenHeight) + slot * RowPitch(screenHeight);
}
inline double HighlightTop(int slot, int screenHeight) {
    return menu_layout::HighlightTop * Scale(screenHeight) + slot * RowPitch(screenHeight);
}
inline double HighlightBottom(int slot, int screenHeight) {
    return menu_layout::HighlightBottom * Scale(screenHeight) + slot * RowPitch(screenHeight);
}

// Where the highlight's left and right pieces and its top and bottom edges stand across.
inline double HighlightX(std::size_t piece, int screenHeight = 1080) {
    return static_cast<double>(menu_layout::Highlight(0, 0.0f).at(piece).x) * Scale(screenHeight);
}

// The colour under another drawn with alpha over it.
inline Pixel Over(Pixel under, int red, int green, int blue, int alpha) {
    const auto mix = [alpha](int below, int above) {
        return static_cast<int>(std::lround(below + (above - below) * alpha / 255.0));
    };
    return Pixel{mix(under.red, red), mix(under.green, green), mix(under.blue, blue)};
}

// The ink backdrop over the world, and a row box over the ink.
inline Pixel Ink() {
    return Over(render::WorldColour, 0, 0, 0, 230);
}
inline Pixel RowBox() {
    return Over(Ink(), 50, 50, 50, 110);
}

inline std::string Show(Pixel p) {
    return "(" + std::to_string(p.red) + ", " + std::to_string(p.green) + ", " + std::to_string(p.blue) + ")";
}

// Within the rounding of the compositing.
inline ::testing::AssertionResult Near(Pixel actual, Pixel expected) {
    if (std::abs(actual.red - expected.red) <= 2 && std::abs(actual.green - expected.green) <= 2 &&
        std::abs(actual.blue - expected.blue) <= 2) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << Show(actual) << " where " << Show(expected) << " was expected";
}

inline bool IsRed(Pixel p) {
    return p.red > 120 && p.green < 60 && p.blue < 60;
}

inline Pixel At(const Picture& picture, double x, double y) {
    return picture.At(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

// The four red pieces stand left, right, above and below the slot. The side
// pieces are read above the label, which a big text size can run across.
inline ::testing::AssertionResult HighlightAround(const Picture& picture, int slot, int screenHeight) {
    const double centre = SlotCentre(slot, screenHeight) - 20;
    const struct {
        const char* side;
        double x;
        double y;
    } sides[] = {{"left", HighlightX(0, screenHeight), centre},
                 {"right", HighlightX(1, screenHeight), centre},
                 {"top", HighlightX(2, screenHeight), HighlightTop(slot, screenHeight)},
                 {"bottom", HighlightX(3, screenHeight), HighlightBottom(slot, screenHeight)}};
    for (const auto& side : sides) {
        const Pixel p = At(picture, side.x, side.y);
        if (!IsRed(p)) {
            return ::testing::AssertionFailure()
                   << "slot " << slot << ": the " << side.side << " piece at (" << side.x << ", " << side.y
                   << ") is " << Show(p) << ", not red";
        }
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult NoHighlightAround(const Picture& picture, int slot, int screenHeight) {
    const double centre = SlotCentre(slot, screenHeight) - 20;
    for (const auto& [x, y] :
         {std::pair{HighlightX(0, screenHeight), centre}, std::pair{HighlightX(1, screenHeight), centre},
          std::pair{HighlightX(2, screenHeight), HighlightTop(slot, screenHeight)},
          std::pair{HighlightX(3, screenHeight), HighlightBottom(slot, screenHeight)}}) {
        if (IsRed(At(picture, x, y))) {
            return ::testing::AssertionFailure()
                   << "slot " << slot << " has red at (" << x << ", " << y << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

// A point inside the row box's left margin, clear of the label and the highlight.
inline Pixel RowBoxSample(const Picture& picture, int slot, int screenHeight) {
    return At(picture, 95 * Scale(screenHeight), SlotCentre(slot, screenHeight));
}

inline int CountNot(const Picture& picture, Pixel colour) {
    int count = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            count += picture.At(x, y) == colour ? 0 : 1;
        }
    }
    return count;
}

} // namespace pixel_checks
