// The menu's layout as the tests expect to find it, written once for the
// drawing tests, the hand-made records of the preview's tests and the pixel
// checks: places and sizes in pixels of the 1920 x 1080 layout, sprites by
// their centre, in the order the menu draws them. Written out here rather
// than read from menu/Geometry.h on purpose: an independent check, so a
// number changed there by mistake fails the tests instead of moving both.
#pragma once

#include <vector>

namespace menu_layout {

inline constexpr int VisibleRows = 8;

// The distance between rows in pixels of a screen this high: 55.08 (1080 x
// 0.051) times the menu's scale, height / 1080.
inline float RowPitch(float screenHeight) {
    return screenHeight * 0.051f;
}

struct SpritePlace {
    const char* dictionary;
    const char* texture;
    float x; // centre
    float y;
    float width;
    float height;
    float rotation;
    int red;
    int green;
    int blue;
    int alpha;
};

// Text lines: x is the box's left end, its centre for centred text, its right
// end for right-aligned text; top is the line's top in the first slot.
struct TextPlace {
    float x;
    float top;
    int size;
};

inline constexpr TextPlace Title{313.0f, 79.0f, 45};
inline constexpr TextPlace Subtitle{313.0f, 172.0f, 23};
inline constexpr TextPlace Counter{534.0f, 243.0f, 20}; // below the last slot used
inline constexpr TextPlace Label{100.0f, 254.0f, 22};
inline constexpr TextPlace Description{313.0f, 980.0f, 18};
inline constexpr int CounterSpacing = -1;
inline constexpr int CounterColour[4] = {144, 144, 144, 230};

// Right-aligned row texts (a value, the tick box, right-hand text) end here,
// or left of a badge, which stands at the row's right end.
inline constexpr float RowTextRight = 526.0f;
inline constexpr float BesideBadgeRight = 490.0f;
inline constexpr float BadgeX = 511.0f;
inline constexpr float BadgeSize = 30.0f;
// A disabled row's texts and badge are white at this alpha.
inline constexpr int DimmedAlpha = 110;

// The slot's centre line and the highlight's top and bottom edges.
inline constexpr float SlotCentre = 270.0f;
inline constexpr float HighlightTop = 247.0f;
inline constexpr float HighlightBottom = 293.0f;

inline const char* UpperScroller(int selected) {
    return selected >= VisibleRows ? "scroller_arrow_top" : "scroller_line_up";
}
inline const char* LowerScroller(int rows, int selected) {
    return rows > VisibleRows && selected != rows - 1 ? "scroller_arrow_bottom" : "scroller_line_down";
}

// Backdrop, banner, bar and the scroller around placesUsed rows.
inline std::vector<SpritePlace> Background(int placesUsed, float pitch, const char* upper,
                                           const char* lower) {
    const float m = static_cast<float>(placesUsed);
    return {
        {"generic_textures", "inkroller_1a", 25.0f + 576.0f / 2.0f, 25.0f + 1026.0f / 2.0f, 576.0f, 1026.0f,
         0.0f, 0, 0, 0, 230},
        {"generic_textures", "menu_header_1a", 92.0f + 442.0f / 2.0f, 51.8f + 108.0f / 2.0f, 442.0f, 108.0f,
         0.0f, 255, 255, 255, 255},
        {"generic_textures", "menu_bar", 313.0f, 974.0f, 442.0f, 2.0f, 45.0f, 255, 255, 255, 175},
        {"menu_textures", "scroller_left_top", 92.0f + 206.0f / 2.0f, 215.0f + 25.0f / 2.0f, 206.0f, 25.0f,
         0.0f, 255, 255, 255, 255},
        {"menu_textures", "scroller_right_top", 328.0f + 206.0f / 2.0f, 215.0f + 25.0f / 2.0f, 206.0f, 25.0f,
         0.0f, 255, 255, 255, 255},
        {"menu_textures", upper, 313.0f, 227.5f, 30.0f, 25.0f, 0.0f, 255, 255, 255, 255},
        {"menu_textures", "scroller_left_bottom", 92.0f + 206.0f / 2.0f, 244.0f + m * pitch + 25.0f / 2.0f,
         206.0f, 25.0f, 0.0f, 255, 255, 255, 255},
        {"menu_textures", "scroller_right_bottom", 328.0f + 206.0f / 2.0f, 244.0f + m * pitch + 25.0f / 2.0f,
         206.0f, 25.0f, 0.0f, 255, 255, 255, 255},
        {"menu_textures", lower, 313.0f, 256.5f + m * pitch, 30.0f, 25.0f, 0.0f, 255, 255, 255, 255},
    };
}

// The four red pieces left, right, above and below the slot.
inline std::vector<SpritePlace> Highlight(int slot, float pitch) {
    const float h = static_cast<float>(slot);
    return {
        {"menu_textures", "crafting_highlight_l", 87.0f, SlotCentre + h * pitch, 19.0f, 57.0f, 0.0f, 255, 0,
         0, 255},
        {"menu_textures", "crafting_highlight_r", 539.0f, SlotCentre + h * pitch, 19.0f, 57.0f, 0.0f, 255, 0,
         0, 255},
        {"menu_textures", "crafting_highlight_t", 313.0f, HighlightTop + h * pitch, 454.0f, 22.0f, 0.0f, 255,
         0, 0, 255},
        {"menu_textures", "crafting_highlight_b", 313.0f, HighlightBottom + h * pitch, 454.0f, 22.0f, 0.0f,
         255, 0, 0, 255},
    };
}

inline SpritePlace RowBox(int slot, float pitch) {
    return {"generic_textures",
            "selection_box_bg_1c",
            313.0f,
            SlotCentre + static_cast<float>(slot) * pitch,
            442.0f,
            52.0f,
            0.0f,
            50,
            50,
            50,
            110};
}

} // namespace menu_layout
