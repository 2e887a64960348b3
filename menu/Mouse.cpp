// The mouse on the open menu, while keyboard and mouse are in use: the game's
// cursor is shown, a cursor moving onto a row selects it, a click selects or
// steps, the wheel moves, a right click goes back.
#include "menu/FrameSteps.h"
#include "menu/Menu.h"

#include "host/GameControls.h"
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/ControlGroups.h"
#include "menu/Events.h"
#include "menu/Geometry.h"
#include "menu/Layout.h"
#include "menu/Rows.h"
#include "menu/ScreenMetrics.h"
#include "menu/Sound.h"
#include "menu/Style.h"

#include <cmath>
#include <cstddef>
#include <optional>

namespace Menu {

namespace {

using NativeInvoker::Invoke;

// A list's arrows are 18 pixels wide and stand a space away from its value.
constexpr float ArrowWidth = ListArrowSide;
constexpr float ArrowGap = 5.0f;
// The game tells no text widths: a body-font character is about half the
// font size wide, which places the left arrow near enough for a click, and
// a click this far beside an arrow still counts.
constexpr float CharacterWidthOfSize = 0.55f;
constexpr float ArrowSlack = 14.0f;

enum class RowSpot { Label, LeftArrow, RightArrow };

std::size_t Characters(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xc0) != 0x80 ? 1 : 0;
    }
    return count;
}

// Where on a list or number row a click at x lands: its arrows, or anywhere else.
RowSpot SpotOnValue(const Option& row, float x) {
    const float rightArrowLeft = ValueRightOf(row, ColumnsOf(style)) - ArrowWidth;
    if (x >= rightArrowLeft - ArrowSlack) {
        return RowSpot::RightArrow;
    }
    const float valueWidth = static_cast<float>(Characters(row.valueText)) * CharacterWidthOfSize *
                             static_cast<float>(style.rowSize);
    const float leftArrowRight = rightArrowLeft - ArrowGap - valueWidth - ArrowGap;
    if (x >= leftArrowRight - ArrowWidth - ArrowSlack && x <= leftArrowRight + ArrowSlack) {
        return RowSpot::LeftArrow;
    }
    return RowSpot::Label;
}

constexpr std::int32_t NoRow = -1;

// The row of the shown page under (x, y), or NoRow: the rows' bands are a
// pitch high, so the cursor is on one row or the next, never between.
std::int32_t RowUnder(const Controller& menu, float x, float y) {
    const Columns columns = ColumnsOf(style);
    if (x < columns.left || x > columns.right || y < RowBoxTop || !(rowPitch > 0.0f)) {
        return NoRow;
    }
    const double slot = std::floor((static_cast<double>(y) - RowBoxTop) / static_cast<double>(rowPitch));
    if (slot > 1e9) {
        return NoRow;
    }
    const std::int64_t row = RowInSlot(ShownWindow(), static_cast<std::int64_t>(slot)).value_or(NoRow);
    return row >= 0 && row < RowCount(*menu.currentSubmenu) ? static_cast<std::int32_t>(row) : NoRow;
}

// What the mouse did this frame, as the game reports it.
struct MouseReading {
    float x = 0.0f; // fractions of the screen
    float y = 0.0f;
    bool click = false; // the left button came up
    bool rightClick = false;
    bool wheelUp = false;
    bool wheelDown = false;
};

// Shows the cursor and reads it: every frame the same calls, in this order.
MouseReading ReadTheMouse() {
    Invoke(native::SetMouseCursorThisFrame);
    MouseReading read;
    read.x = Invoke<float>(native::DisabledControlNormal, KeyboardGroup, control::INPUT_CURSOR_X);
    read.y = Invoke<float>(native::DisabledControlNormal, KeyboardGroup, control::INPUT_CURSOR_Y);
    read.click =
        Invoke<bool>(native::DisabledControlJustReleased, KeyboardGroup, control::INPUT_CURSOR_ACCEPT);
    read.rightClick =
        Invoke<bool>(native::DisabledControlJustReleased, KeyboardGroup, control::INPUT_CURSOR_CANCEL);
    read.wheelUp =
        Invoke<bool>(native::ControlJustPressedDisabledAware, KeyboardGroup, control::INPUT_CURSOR_SCROLL_UP);
    read.wheelDown = Invoke<bool>(native::ControlJustPressedDisabledAware, KeyboardGroup,
                                  control::INPUT_CURSOR_SCROLL_DOWN);
    return read;
}

// The cursor stands on the menu: its controls are the menu's this frame, and
// become the frame's requests as the keys' and prompts' do. A click on a row
// (NoRow: on none that can be selected) is Select on it, or a list's step.
void ActOnTheMenu(Controller& menu, const MouseReading& read, std::int32_t row, float x) {
    for (const std::uint32_t control : {control::INPUT_CURSOR_ACCEPT, control::INPUT_CURSOR_CANCEL,
                                        control::INPUT_CURSOR_SCROLL_UP, control::INPUT_CURSOR_SCROLL_DOWN}) {
        Invoke(native::DisableControl, KeyboardGroup, control, 0);
    }
    menu.upPressed = menu.upPressed || read.wheelUp;
    menu.downPressed = menu.downPressed || read.wheelDown;
    menu.backRequested = menu.backRequested || read.rightClick;
    const Option* option = RowAt(*menu.currentSubmenu, row);
    if (!read.click || option == nullptr) {
        return;
    }
    if (menu.selectedIndex != row) {
        HoldShownWindow(menu);
        menu.selectedIndex = row;
        HoverSelectedRow(menu);
        // The hover may have rebuilt the page.
        option = RowAt(*menu.currentSubmenu, row);
        if (option == nullptr) {
            return;
        }
    }
    const RowSpot spot = option->isList || option->isNumber ? SpotOnValue(*option, x) : RowSpot::Label;
    menu.leftPressed = menu.leftPressed || spot == RowSpot::LeftArrow;
    menu.rightPressed = menu.rightPressed || spot == RowSpot::RightArrow;
    menu.selectRequested = menu.selectRequested || spot == RowSpot::Label;
}

} // namespace

bool CursorInLayout(float fractionX, float fractionY, float& x, float& y) {
    if (!(fractionX >= 0.0f && fractionX <= 1.0f && fractionY >= 0.0f && fractionY <= 1.0f)) {
        return false; // NaN fails every comparison
    }
    x = fractionX * windowScale.width;
    y = fractionY * windowScale.height;
    return true;
}

void ReadMouse(Controller& menu) {
    menu.frame.pointer.overMenu = false;
    if (!menu.mouseEnabled || !menu.isOpen || menu.controlGroup != KeyboardGroup ||
        menu.currentSubmenu == nullptr) {
        menu.frame.pointer.shown = false;
        return;
    }
    const MouseReading read = ReadTheMouse();
    float x = 0.0f;
    float y = 0.0f;
    const Columns columns = ColumnsOf(style);
    const bool onScreen = CursorInLayout(read.x, read.y, x, y);
    menu.frame.pointer.overMenu = onScreen && x >= columns.backdropLeft &&
                                  x <= columns.backdropLeft + columns.backdropWidth && y >= BackdropTop &&
                                  y <= BackdropBottom;
    const std::int32_t row = menu.frame.pointer.overMenu ? RowUnder(menu, x, y) : NoRow;
    const Option* option = RowAt(*menu.currentSubmenu, row);
    // A heading cannot be selected, by the cursor no more than by the keys.
    const bool selectable = option != nullptr && !option->isSeparator;

    // Only a cursor that moves onto another row selects it: one at rest, or
    // one the rows moved under (another page, the window scrolled), leaves
    // the selection to the keys and the wheel. Where it was is read in the
    // rows as they stand now. The window stays where it is, so the row
    // selected stays the one under the cursor.
    // Asked last, and a cursor at rest is over the row it is over now (a
    // selectable one is `row`): a steady frame reads the rows once.
    const auto rowBefore = [&menu, row, x, y] {
        const Pointer& last = menu.frame.pointer;
        if (!last.shown || !last.onScreen) {
            return NoRow;
        }
        return last.x == x && last.y == y ? row : RowUnder(menu, last.x, last.y);
    };
    if (menu.frame.pointer.shown && selectable && row != menu.selectedIndex && row != rowBefore()) {
        const bool up = row < menu.selectedIndex;
        HoldShownWindow(menu);
        menu.selectedIndex = row;
        PlayFrontendSound(up ? menu_art::UpSound : menu_art::DownSound);
        HoverSelectedRow(menu);
    }
    menu.frame.pointer = {true, onScreen, x, y, menu.frame.pointer.overMenu};
    if (menu.frame.pointer.overMenu) {
        ActOnTheMenu(menu, read, selectable ? row : NoRow, x);
    }
}

} // namespace Menu
