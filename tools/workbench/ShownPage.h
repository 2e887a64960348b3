// What a frame shows, read from the calls the plug-in made, as a player
// would read the screen: open or closed, the page's title and subtitle, and
// the row counter.
#pragma once

#include "readback/MenuState.h"
#include "tools/render/ReadFrame.h"

#include <string>

namespace workbench {

struct ShownPage {
    bool open = false; // the frame drew anything
    std::string title;
    std::string subtitle;
    int row = 0; // from the "N of M" counter, 1-based; 0 without one
    int rows = 0;

    friend bool operator==(const ShownPage&, const ShownPage&) = default;
};

// The title and subtitle are the header's texts; a separator row, also in the
// title font, is neither.
ShownPage Summarize(const render::Drawing& drawing);

// One line: "closed", or "open 'Title' / 'Subtitle' row 2 of 6".
std::string Describe(const ShownPage& summary);

} // namespace workbench
