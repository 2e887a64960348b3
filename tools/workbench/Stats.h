// The workbench's own figures: frame rate, time spent per frame, how long a
// rebuilt module takes to show and how many frames a key takes to show.
#pragma once

#include <algorithm>
#include <string>

namespace workbench {

struct Series {
    int count = 0;
    double total = 0.0;
    double largest = 0.0;

    void Add(double value) {
        ++count;
        total += value;
        largest = std::max(largest, value);
    }
    double Mean() const { return count > 0 ? total / count : 0.0; }
};

struct Stats {
    int frames = 0;
    double seconds = 0.0; // from the first frame to the last
    Series pluginMs;      // the plug-in's script frame
    Series renderMs;      // drawing the game picture, for frames that draw something new
    Series presentMs;     // handing the window a frame that looks different
    Series reloadMs;      // the file replaced to the new module's first frame on screen
    Series keyFrames;     // a key to the first frame showing its effect, 1 = that very frame

    std::string Line() const;
};

} // namespace workbench
