// Drawing of the open menu from the game's menu textures.
#pragma once

namespace Menu {

struct Submenu;

// Positions and sizes are fractions of the screen; a sprite is placed by its centre.
void DrawSprite(const char* dictionary, const char* texture, float centreX, float centreY, float width,
                float height, float rotation, int red, int green, int blue, int alpha);
// The game wants this immediately before every sprite.
void PrepareSpriteDraw();

// Backdrop, banner, separator bar and the scroller with its indicators.
void DrawBackground();
// The red frame around the selected row.
void DrawHighlight();
// The submenu's title on the banner and its subtitle beneath.
void DrawTitles();
// "3 of 6" at the right end of the lower scroller.
void DrawCounter();
// Option::Draw on each of the submenu's optionCount rows that exists, in order.
void DrawRows(Submenu& submenu);

} // namespace Menu
