#include "menu/TextStore.h"

namespace Menu {

TextStore frameTexts;

std::string& TextStore::Next() {
    if (used == slots.size()) {
        slots.emplace_back();
    }
    std::string& slot = slots[used++];
    slot.clear(); // keeps its capacity
    return slot;
}

} // namespace Menu
