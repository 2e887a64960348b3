#include "menu/Events.h"

#include "menu/Rows.h"

namespace Menu {

void RunEvent(const std::function<void()>& event) {
    if (event) {
        const std::function<void()> running = event;
        running();
    }
}

void HoverSelectedRow(Controller& menu) {
    if (menu.currentSubmenu == nullptr) {
        return;
    }
    if (const Option* row = RowAt(*menu.currentSubmenu, menu.selectedIndex)) {
        RunEvent(row->onHover);
    }
}

} // namespace Menu
