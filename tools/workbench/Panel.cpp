#include "tools/workbench/Panel.h"

#include "tools/render/Utf8.h"
#include "tools/workbench/GameInput.h"

#include <algorithm>
#include <cstdio>

namespace workbench {
namespace {

constexpr int PanelWidth = 560;
constexpr int LineHeight = 24; // the status line and the help line
constexpr double Margin = 12.0;

void SetColour(cairo_t* cr, double red, double green, double blue) {
    cairo_set_source_rgb(cr, red, green, blue);
}

void Text(cairo_t* cr, double x, double y, const std::string& text) {
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
}

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

double Width(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

std::string Fit(cairo_t* cr, const std::string& text, double width, bool keepEnd = false) {
    return FitLine(text, width, keepEnd, [cr](const std::string& line) { return Width(cr, line); });
}

// Under the picture: the status line, then the help line.
void DrawStatus(cairo_t* cr, const WindowParts& parts, const PanelContent& content) {
    const double statusY = parts.pictureY + parts.pictureHeight + LineHeight - 7;
    cairo_set_font_size(cr, 15);
    switch (content.statusKind) {
    case StatusKind::Good:
        SetColour(cr, 0.45, 0.85, 0.45);
        break;
    case StatusKind::Error:
        SetColour(cr, 1.0, 0.42, 0.38);
        break;
    default:
        SetColour(cr, 0.8, 0.8, 0.8);
    }
    Text(cr, Margin, statusY, Fit(cr, content.status, parts.panelX - 2 * Margin, true));
    cairo_set_font_size(cr, 13);
    SetColour(cr, 0.62, 0.62, 0.66);
    Text(cr, Margin, statusY + LineHeight, Fit(cr, HelpLine, parts.panelX - 2 * Margin));
}

// The panel's lines, one below the other.
struct PanelLines {
    cairo_t* cr;
    double x;
    double width;
    double y = 26;

    void Line(const std::string& text, double size, double step, bool keepEnd = false) {
        cairo_set_font_size(cr, size);
        Text(cr, x, y, Fit(cr, text, width, keepEnd));
        y += step;
    }
};

// The menu, the input, the times and the module.
void DrawFacts(PanelLines& lines, const PanelContent& content) {
    cairo_t* cr = lines.cr;
    SetColour(cr, 0.95, 0.95, 0.95);
    lines.Line(content.summary.open ? "Menu open" : "Menu closed", 20, 28);
    cairo_set_font_size(cr, 14);
    SetColour(cr, 0.85, 0.85, 0.85);
    const ShownPage& summary = content.summary;
    const std::string page = content.pageId.empty() ? "" : "page " + content.pageId + ": ";
    lines.Line(summary.open ? page + "'" + summary.title + "' / '" + summary.subtitle + "'"
                            : "page: (not shown)",
               14, 20);
    lines.Line(summary.rows > 0
                   ? "selected row " + std::to_string(summary.row) + " of " + std::to_string(summary.rows)
                   : "selected row: (not shown)",
               14, 20);
    lines.Line(std::string("input device: ") + (content.gamepad ? "controller" : "keyboard and mouse"), 14,
               20);
    lines.Line(content.controller.empty()
                   ? "controller: none plugged in"
                   : "controller: " + content.controller +
                         (content.buttons.empty() ? "" : ", pressed " + content.buttons),
               14, 20);
    lines.Line("plug-in " + Format("%.3f ms", content.pluginMs) + " a frame, picture " +
                   Format("%.1f ms", content.renderMs) + ", " +
                   Format("%.0f frames/s", content.framesPerSecond),
               14, 20);
    SetColour(cr, 0.6, 0.6, 0.65);
    lines.Line(content.module, 12, 26, true);
}

// The last frame's calls, as many as there is room for.
void DrawCalls(PanelLines& lines, const PanelContent& content, int windowHeight) {
    cairo_t* cr = lines.cr;
    SetColour(cr, 0.95, 0.95, 0.95);
    lines.Line("Last frame: " + std::to_string(content.calls.size()) + " native calls", 15, 20);
    cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    SetColour(cr, 0.78, 0.82, 0.78);
    constexpr double CallLine = 13;
    const int room = std::max(0, static_cast<int>((windowHeight - lines.y) / CallLine));
    const int shown = std::min<int>(room, static_cast<int>(content.calls.size()));
    for (int i = 0; i < shown; ++i) {
        const bool last = i == room - 1 && shown < static_cast<int>(content.calls.size());
        lines.Line(last ? "... " + std::to_string(content.calls.size() - i) + " more" : content.calls[i],
                   10.5, CallLine);
    }
}

} // namespace

std::string FitLine(std::string_view text, double width, bool keepEnd,
                    const std::function<double(const std::string&)>& measure) {
    const std::string valid = render::ValidUtf8(text);
    const double full = measure(valid);
    if (full <= width) {
        return valid;
    }
    std::vector<std::size_t> starts; // of each character, then the end
    for (std::size_t at = 0; at < valid.size(); at += render::Utf8CharacterLength(valid, at)) {
        starts.push_back(at);
    }
    const std::size_t count = starts.size();
    starts.push_back(valid.size());
    const auto kept = [&](std::size_t characters) {
        return keepEnd ? "..." + valid.substr(starts[count - characters])
                       : valid.substr(0, starts[characters]) + "...";
    };
    // A first cut in proportion, then a character at a time.
    const double share = std::clamp(width / full, 0.0, 1.0);
    auto characters = static_cast<std::size_t>(static_cast<double>(count) * share);
    while (characters > 1) {
        --characters;
        if (measure(kept(characters)) <= width) {
            break;
        }
    }
    return kept(characters);
}

WindowParts SplitWindow(int windowWidth, int windowHeight, int screenWidth, int screenHeight) {
    WindowParts parts;
    const int areaWidth = std::max(windowWidth - PanelWidth, 16);
    const int areaHeight = std::max(windowHeight - 2 * LineHeight, 9);
    parts.pictureWidth = std::min(areaWidth, areaHeight * screenWidth / screenHeight);
    parts.pictureHeight = parts.pictureWidth * screenHeight / screenWidth;
    parts.panelX = areaWidth;
    return parts;
}

void DrawChrome(cairo_t* cr, int windowWidth, int windowHeight, const WindowParts& parts,
                const PanelContent& content) {
    SetColour(cr, 0.11, 0.11, 0.12);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    DrawStatus(cr, parts, content);

    const double x = parts.panelX + Margin;
    SetColour(cr, 0.16, 0.16, 0.18);
    cairo_rectangle(cr, parts.panelX, 0, windowWidth - parts.panelX, windowHeight);
    cairo_fill(cr);
    PanelLines lines{cr, x, windowWidth - x - Margin};
    DrawFacts(lines, content);
    DrawCalls(lines, content, windowHeight);
}

} // namespace workbench
