// What the workbench is told on its command line.
#pragma once

#include "tools/render/PictureOptions.h"

#include <optional>
#include <string>

namespace workbench {

struct Options {
    std::string module; // the default, until the command line names another
    std::string out = ".";
    int screenWidth = 1920;
    int screenHeight = 1080;
    int windowWidth = 1800;
    int windowHeight = 760;
    int frames = 0;      // 0: until closed
    bool redraw = false; // draw and show every frame, also when it repeats the last
    render::LookOptions look;
    bool virtualController = false; // SDL's, played from standard input
    bool keepPlace = true;          // a reload replays the input to where the menu was
    std::string record;             // the session file F9 and closing write; "" writes none at closing
    std::string answers;            // answer lines the stand-in game is taught at the start
    std::string gameFolder;         // where the module keeps its settings; "": a fresh one
};

// Reads the command line into options; an exit status when the program is to stop there.
std::optional<int> ReadOptions(int argc, char** argv, Options& options);

} // namespace workbench
