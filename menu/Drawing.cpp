#include "menu/Drawing.h"

#include "menu/Option.h"

namespace Menu {

// The menu's sprites and rows arrive with the layout.
void DrawSprite(const char*, const char*, float, float, float, float, float, int, int, int, int) {}
void DrawBackground() {}
void DrawHighlight() {}
void DrawCounter() {}
void Option::Draw() const {}

} // namespace Menu
