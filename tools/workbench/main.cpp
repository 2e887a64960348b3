// A live window on the plug-in: sets up the display and the window, runs the
// workbench's loop in it and closes it again.
#include "tools/cli/DefaultFile.h"
#include "tools/workbench/CrashReport.h"
#include "tools/workbench/Options.h"
#include "tools/workbench/Workbench.h"

#include "tools/render/Textures.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>

int main(int argc, char** argv) {
    workbench::Options options;
    options.module = cli::FindDefaultFile(QDT_INSTALLED_PLUGIN_MODULE, QDT_PLUGIN_MODULE).path;
    if (const std::optional<int> status = workbench::ReadOptions(argc, argv, options)) {
        return *status;
    }
    if (options.look.listTextures) {
        render::ListTextures(std::cout);
        return 0;
    }
    // Whoever reads the events reads them as they happen, also through a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    workbench::ReportCrashes();

    // Without a desktop SDL would settle for an invisible driver and run on unseen.
    const bool desktop = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr ||
                         std::getenv("SDL_VIDEODRIVER") != nullptr;
    if (!desktop) {
        std::fprintf(
            stderr,
            "qdt_workbench: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        return 1;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "qdt_workbench: no display to open a window on (%s)\n", SDL_GetError());
        return 1;
    }
    // Without controllers the keyboard still plays: only say so.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "qdt_workbench: no controllers (%s)\n", SDL_GetError());
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // Two pictures copied to the window a frame need no graphics card; a
    // software OpenGL (a virtual display, a remote desktop) would be slower.
    // SDL_RENDER_DRIVER in the environment still chooses.
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_Window* window =
        SDL_CreateWindow("Quorvane Dev Tools workbench", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         options.windowWidth, options.windowHeight, SDL_WINDOW_RESIZABLE);
    SDL_Renderer* renderer = window != nullptr ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    if (renderer == nullptr) {
        std::fprintf(stderr, "qdt_workbench: cannot open a window (%s)\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    int status = 1;
    try {
        workbench::Workbench workbench(options, renderer);
        status = workbench.Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qdt_workbench: %s\n", error.what());
    }
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return status;
}
