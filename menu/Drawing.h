// Drawing of the open menu from the game's menu textures.
#pragma once

#include <cstdint>
#include <string>

namespace Menu {

struct Submenu;

// Positions and sizes are fractions of the screen; a sprite is placed by its centre.
void DrawSprite(const char* dictionary, const char* texture, float centreX, float centreY, float width,
                float height, float rotation, int red, int green, int blue, int alpha);
// The game wants this immediately before every sprite.
void PrepareSpriteDraw();

// The open menu on the shown submenu, back to front: backdrop, banner and
// scroller, the highlight, the titles, the counter ("3 of 6"), then
// Option::Draw on each of its optionCount rows that exists, in order.
void DrawMenu(Submenu& submenu);

// The images inside a row's texts: a list's arrows and the tick boxes. Their
// sides are pixels, so they scale with the window as the texts' sizes do;
// made again only when the scale changes. Process-wide, defined in
// host/ProcessState.cpp.
struct TextImages {
    std::int32_t forHeight = 0; // WindowScale::heightScaled they were made for
    std::string leftArrow;
    std::string rightArrow;
    std::string tick;
    std::string tickBox;
};
extern TextImages textImages;

} // namespace Menu
