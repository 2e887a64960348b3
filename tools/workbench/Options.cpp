#include "tools/workbench/Options.h"

#include "tools/render/PictureOptions.h"

namespace workbench {

std::optional<int> ReadOptions(int argc, char** argv, Options& options) {
    CLI::App app(
        "Runs the plug-in MODULE (by default the one built with this program) in the stand-in host, in a\n"
        "window, about 60 frames a second, and reloads it whenever the file is replaced.\n"
        "Keys: F8, Shift and the F-keys, letters and digits of no other use here reach the plug-in's\n"
        "keyboard handler (a rebound menu key, a row's hotkey); the arrows, Enter (Select) and Backspace\n"
        "(Back) are the game's menu controls; G switches between keyboard and controller; C presses the\n"
        "controller chord; F12 writes a screenshot of the game screen into DIR; F9 writes what was played\n"
        "as a session file (into DIR, or FILE of --record); Escape or closing the window quits. A\n"
        "controller plays too: D-pad and left stick move, A selects, B goes back, A released while RB is\n"
        "held is the chord; its input makes the game report a controller, a key switches back to the\n"
        "keyboard. A frame that draws what the last one drew is not drawn again, unless --redraw. A\n"
        "reload replays the input since the module was loaded fresh (idle frames past a few left out),\n"
        "unseen, so the menu is back where it was. Standard output gets one line per event (opened,\n"
        "reloaded, kept, error,\n"
        "menu, voice, controller, screenshot, session) and the figures at the end (stats).",
        "qdt_workbench");
    cli::UseHelpFormat(app);
    app.add_option("MODULE", options.module, "the plug-in module to run")
        ->type_name("FILE")
        ->capture_default_str();
    app.add_option("--out", options.out, "where F12 writes screenshots and F9 sessions (the current folder)")
        ->type_name("DIR");
    render::AddPictureSizeOption(app, "--screen", options.screenWidth, options.screenHeight,
                                 "the game screen the plug-in finds (1920x1080)");
    render::AddPictureSizeOption(app, "--window", options.windowWidth, options.windowHeight,
                                 "the window's size at the start (1800x760)");
    app.add_option("--frames", options.frames, "quits by itself after N frames")
        ->type_name("N")
        ->check(CLI::Range(1, 100000000));
    app.add_flag("--redraw", options.redraw, "draws and shows every frame, for measuring");
    render::AddLookOptions(app, options.look);
    app.add_flag("--virtual-controller", options.virtualController,
                 "plays SDL's virtual controller from standard input: lines plug, unplug, press BUTTON,\n"
                 "release BUTTON, axis AXIS VALUE, in SDL's names (a, b, rightshoulder, dpdown, lefty)");
    app.add_flag_callback(
        "--no-keep-place", [&options] { options.keepPlace = false; },
        "a reload starts the menu closed on its main page, as a game restart does,\n"
        "instead of replaying the input since the last fresh load to where it was");
    app.add_option("--answers", options.answers,
                   "teaches the stand-in game the answer lines of FILE (a mod's natives) at the start")
        ->type_name("FILE");
    app.add_option("--game-folder", options.gameFolder,
                   "the game's folder, where the module keeps its settings (NAME.ini) across reloads; by "
                   "default a fresh one, removed at the end")
        ->type_name("DIR");
    app.add_option("--record", options.record,
                   "writes what was played as a session to FILE when the window closes and on F9")
        ->type_name("FILE");
    return cli::Parse(app, argc, argv);
}

} // namespace workbench
