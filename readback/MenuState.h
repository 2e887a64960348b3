// What the menu showed in a frame, read as a player reads the screen: open or
// closed, the page's title and subtitle, the row counter, the selected row,
// and the sounds it played.
#pragma once

#include "readback/FrameDrawing.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace readback {

// The menu's row counter, "4 of 6": whole numbers either side of " of ", nothing else.
struct RowCounter {
    int row = 0; // 1-based
    int rows = 0;

    friend bool operator==(const RowCounter&, const RowCounter&) = default;
};
std::optional<RowCounter> ReadRowCounter(std::string_view text);

struct Sound {
    std::string name; // "NAV_DOWN"
    std::string set;  // "HUD_SHOP_SOUNDSET"
};

struct MenuState {
    bool open = false; // the frame drew anything
    std::string title;
    std::string subtitle;
    std::string counterText; // "4 of 6"; empty without a counter
    std::optional<RowCounter> counter;
    std::string selectedRow; // the label inside the highlight
    // A list's or number's value beside it ("Rain", without the arrows);
    // empty on other rows.
    std::string selectedValue;
    // A toggle row's tick box: whether it is ticked; no value on other rows.
    std::optional<bool> selectedToggle;
    // Right-hand text beside the label ("$25"), which has no arrows; empty if none.
    std::string selectedRight;
    // The label is drawn dimmed: the row refuses Select, left and right.
    bool selectedDisabled = false;
    // The selected row's description, on its line below the list; empty if none.
    std::string description;
    std::vector<Sound> sounds;
};

// The header's texts stand above the list, whose top is the upper scroller,
// centred (in whatever font the menu's look gives them) or in the title font:
// the first is the title, the next the subtitle. A text in the list (a
// separator row) is neither, and a centred one (a heading row) is never the
// counter.
MenuState ReadMenu(const Drawing& drawing);

// The frontend sounds the frame played, in order.
std::vector<Sound> ReadSounds(const sim::Frame& frame);

// Both, the drawing read leniently.
MenuState ReadMenu(const sim::Frame& frame);

// A place on the screen, fractions of its width and height.
struct ScreenPlace {
    float x = 0.0f;
    float y = 0.0f;
};

// Where a player points to reach row `row` (counted from 1, as the counter
// counts) of the page the drawing shows: on its label, halfway down its box.
// Rows stand Menu::RowPitchFactor of the game window's height apart, the selected one inside the
// highlight. Nothing when the menu is not drawn or the row is not among
// those shown; why goes into `why`.
std::optional<ScreenPlace> RowPlace(const Drawing& drawing, int row, std::string& why);

} // namespace readback
