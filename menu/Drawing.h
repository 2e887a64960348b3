// Drawing of the open menu from the game's menu textures.
#pragma once

namespace Menu {

void DrawSprite(const char* dictionary, const char* texture, float centreX, float centreY, float width,
                float height, float rotation, int red, int green, int blue, int alpha);

void DrawBackground();
void DrawHighlight();
void DrawCounter();

} // namespace Menu
