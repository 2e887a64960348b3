// A freshly loaded module brought to where the last one was: the input log
// played on it frame by frame, with the frames' own tick counts, and not
// drawn. The frames' natives reach the stand-in game as any frame's do.
#pragma once

#include "driver/Runner.h"
#include "tools/workbench/InputLog.h"
#include "tools/workbench/ShownPage.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace workbench {

struct ReplayResult {
    int frames = 0;
    double milliseconds = 0.0;
};

// Plays the log on the runner's module, which has just been loaded and run
// no frame. Its last frame runs at endTick, the others as far before it as
// they ran before the log's last frame. The game's held controls and input
// device are what they were when the log began while it plays, and what
// they are now once it has played.
// Each replayed frame's calls go to eachFrame, for what must see every frame.
ReplayResult Replay(const InputLog& log, driver::Runner& runner, std::uint32_t endTick,
                    const std::function<void(const sim::Frame&)>& eachFrame = {});

// Where the menu is: open or not, the page and the row. The page is its id
// when the module says, or else its title and subtitle.
struct Place {
    ShownPage shown;
    std::optional<int> pageId;
};

bool SamePlace(const Place& before, const Place& after);

// The status after a reload: "" when the replay ends where the menu was,
// else where it ended and where it was.
std::string DescribePlaceChange(const Place& before, const Place& after);

} // namespace workbench
