#include "tools/workbench/Stats.h"

#include <cstdio>

namespace workbench {

std::string Stats::Line() const {
    char line[512];
    std::snprintf(line, sizeof line,
                  "stats: %d frames in %.2f s (%.1f frames/s); plug-in %.3f ms mean, %.3f ms max; "
                  "%d pictures drawn, %.2f ms mean, %.2f ms max; %d shown, %.2f ms mean; "
                  "reloads %d, %.0f ms mean, %.0f ms max from file to first frame; "
                  "keys %d, %.2f frames mean, %.0f max to their effect",
                  frames, seconds, seconds > 0.0 ? (frames - 1) / seconds : 0.0, pluginMs.Mean(),
                  pluginMs.largest, renderMs.count, renderMs.Mean(), renderMs.largest, presentMs.count,
                  presentMs.Mean(), reloadMs.count, reloadMs.Mean(), reloadMs.largest, keyFrames.count,
                  keyFrames.Mean(), keyFrames.largest);
    return line;
}

} // namespace workbench
