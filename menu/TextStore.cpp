#include "menu/TextStore.h"

namespace Menu {

TextStore frameTexts;

} // namespace Menu
