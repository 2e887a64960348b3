// Everything in the window besides the game picture: the panel beside it,
// and under it the status line and the help line.
#pragma once

#include "tools/workbench/ShownPage.h"

#include <cairo.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace workbench {

enum class StatusKind { Info, Good, Error };

struct PanelContent {
    std::string module;
    StatusKind statusKind = StatusKind::Info;
    std::string status; // "reloaded", the loader's error, a screenshot's path
    ShownPage summary;
    std::string pageId; // empty when the module does not say
    bool gamepad = false;
    std::string controller; // the one plugged in or used last; "" with none
    std::string buttons;    // its buttons pressed last
    double pluginMs = 0.0;  // the plug-in's script frame
    double renderMs = 0.0;  // drawing the game picture
    double framesPerSecond = 0.0;
    std::vector<std::string> calls; // the last frame's native calls, one line each
};

struct WindowParts {
    int pictureX = 0;
    int pictureY = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    int panelX = 0; // the panel runs from here to the right edge
};

// The picture keeps the game screen's proportions in what the panel and the
// two lines under it leave of the window.
WindowParts SplitWindow(int windowWidth, int windowHeight, int screenWidth, int screenHeight);

// Shortens a line that does not fit width as measured: a file name keeps its
// end, where its distinguishing part is; anything else keeps its start. Cut
// between characters, never inside one, after each malformed byte became a
// replacement character: the drawing library draws nothing more after a
// string that is not UTF-8.
std::string FitLine(std::string_view text, double width, bool keepEnd,
                    const std::function<double(const std::string&)>& measure);

// Draws on a surface the size of the window; the picture's rectangle is left dark.
void DrawChrome(cairo_t* cr, int windowWidth, int windowHeight, const WindowParts& parts,
                const PanelContent& content);

} // namespace workbench
