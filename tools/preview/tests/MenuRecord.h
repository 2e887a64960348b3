// Hand-made records of the calls the plug-in makes to draw: sprites and
// texts exactly as the stand-in records them, and a whole open menu laid out
// as the menu's layout prescribes.
#pragma once

#include "host/Natives.h"
#include "sim/NativeTable.h"
#include "sim/Recorder.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace menu_record {

inline std::uint64_t Bits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline std::uint64_t Int(int value) {
    return static_cast<std::uint32_t>(value);
}

inline sim::NativeCall Call(std::uint64_t hash, std::vector<std::uint64_t> args,
                            std::vector<std::string> texts = {}) {
    sim::NativeCall call;
    call.hash = hash;
    call.info = sim::FindNative(hash);
    texts.resize(args.size());
    call.args = std::move(args);
    call.texts = std::move(texts);
    return call;
}

// The markup the plug-in wraps every text in.
inline std::string Markup(const std::string& margin, const std::string& align, const std::string& face,
                          int spacing, int size, const std::string& text) {
    return "<TEXTFORMAT RIGHTMARGIN = '" + margin + "'><P ALIGN = '" + align + "'><FONT FACE = '$" + face +
           "' LETTERSPACING = '" + std::to_string(spacing) + "' SIZE = '" + std::to_string(size) + "'>~s~" +
           text + "</FONT></P><TEXTFORMAT>";
}

enum Align { Left, Center, Right };

struct Rgba {
    int red = 255, green = 255, blue = 255, alpha = 255;
};

// A frame built call by call, positions in screen pixels as the plug-in has them.
class FrameBuilder {
  public:
    FrameBuilder(int screenWidth, int screenHeight, int windowWidth)
        : width_(static_cast<float>(screenWidth)), height_(static_cast<float>(screenHeight)),
          windowWidth_(windowWidth) {}

    void Sprite(const char* dictionary, const char* texture, float x, float y, float w, float h,
                float rotation, int red, int green, int blue, int alpha) {
        frame.push_back(Call(Native::PrepareSpriteDraw, {0}));
        frame.push_back(Call(Native::DrawSprite,
                             {0, 0, Bits(x / width_), Bits(y / height_), Bits(w / width_), Bits(h / height_),
                              Bits(rotation), Int(red), Int(green), Int(blue), Int(alpha), 0},
                             {dictionary, texture}));
    }

    void Text(const std::string& text, const std::string& face, Rgba colour, Align align, int size, float x,
              float y, int spacing = 0) {
        std::string margin = "0";
        float xN = x / width_;
        if (align == Center) {
            xN = xN + xN - 1.0f;
        } else if (align == Right) {
            xN = 0.0f;
            margin = std::to_string(static_cast<int>(width_) - static_cast<int>(x));
        }
        const char* alignName = align == Left ? "Left" : align == Center ? "Center" : "Right";
        const std::string markup = Markup(margin, alignName, face, spacing, size * windowWidth_ / 1920, text);
        frame.push_back(Call(Native::SetTextColour,
                             {Int(colour.red), Int(colour.green), Int(colour.blue), Int(colour.alpha)}));
        const std::uint64_t gameString = 0x5354520000000001 + frame.size();
        frame.push_back(Call(Native::MakeLiteralGameString, {10, 0, 0}, {"", "LITERAL_STRING", markup}));
        frame.back().result = gameString;
        frame.push_back(Call(Native::DisplayText, {gameString, Bits(xN), Bits(y / height_)}, {markup}));
    }

    float RowPitch() const { return height_ * 0.051f; }

    sim::Frame frame;

  private:
    float width_;
    float height_;
    int windowWidth_;
};

struct Menu {
    std::string title = "Quorvane Dev Tools";
    std::string subtitle = "Main Menu";
    std::vector<std::string> rows;
    std::vector<std::string> descriptions;
    int selected = 0;
    int screenWidth = 1920;
    int screenHeight = 1080;
};

// The open menu: backdrop, banner, bar, scroller, highlight, title, subtitle,
// counter and the rows of the visible window, in the order they are drawn.
inline sim::Frame OpenMenu(const Menu& menu) {
    constexpr int V = 8;
    FrameBuilder b(menu.screenWidth, menu.screenHeight, menu.screenWidth);
    const float R = b.RowPitch();
    const int n = static_cast<int>(menu.rows.size());
    const int sel = menu.selected;
    const float m = static_cast<float>(n < V ? n : V);
    const auto f = [](int value) { return static_cast<float>(value); };

    b.Sprite("generic_textures", "inkroller_1a", 25 + 576 / 2.0f, 25 + 1026 / 2.0f, 576, 1026, 0, 0, 0, 0,
             230);
    b.Sprite("generic_textures", "menu_header_1a", 92 + 442 / 2.0f, 51.8f + 108 / 2.0f, 442, 108, 0, 255, 255,
             255, 255);
    b.Sprite("generic_textures", "menu_bar", 313, 974, 442, 2, 45.0f, 255, 255, 255, 175);
    b.Sprite("menu_textures", "scroller_left_top", 92 + 206 / 2.0f, 215 + 25 / 2.0f, 206, 25, 0, 255, 255,
             255, 255);
    b.Sprite("menu_textures", "scroller_right_top", 328 + 206 / 2.0f, 215 + 25 / 2.0f, 206, 25, 0, 255, 255,
             255, 255);
    b.Sprite("menu_textures", sel >= V ? "scroller_arrow_top" : "scroller_line_up", 313, 227.5f, 30, 25, 0,
             255, 255, 255, 255);
    b.Sprite("menu_textures", "scroller_left_bottom", 92 + 206 / 2.0f, 244 + m * R + 25 / 2.0f, 206, 25, 0,
             255, 255, 255, 255);
    b.Sprite("menu_textures", "scroller_right_bottom", 328 + 206 / 2.0f, 244 + m * R + 25 / 2.0f, 206, 25, 0,
             255, 255, 255, 255);
    b.Sprite("menu_textures", n > V && sel != n - 1 ? "scroller_arrow_bottom" : "scroller_line_down", 313,
             256.5f + m * R, 30, 25, 0, 255, 255, 255, 255);

    const float h = f(sel < V - 1 ? sel : V - 1);
    b.Sprite("menu_textures", "crafting_highlight_l", 87, 270 + h * R, 19, 57, 0, 255, 0, 0, 255);
    b.Sprite("menu_textures", "crafting_highlight_r", 539, 270 + h * R, 19, 57, 0, 255, 0, 0, 255);
    b.Sprite("menu_textures", "crafting_highlight_t", 313, 247 + h * R, 454, 22, 0, 255, 0, 0, 255);
    b.Sprite("menu_textures", "crafting_highlight_b", 313, 293 + h * R, 454, 22, 0, 255, 0, 0, 255);

    b.Text(menu.title, "title", {}, Center, 45, 313, 79);
    b.Text(menu.subtitle, "title", {}, Center, 23, 313, 172);
    b.Text(std::to_string(sel + 1) + " of " + std::to_string(n), "body", {144, 144, 144, 230}, Right, 20, 534,
           243 + m * R, -1);

    for (int i = 0; i < n; ++i) {
        const bool inTop = sel <= V - 1 && i <= V - 1;
        const bool inScrolled = sel - V < i && i <= sel;
        if (!inTop && !inScrolled) {
            continue;
        }
        const float k = f(inTop ? i : i - sel + V - 1);
        b.Sprite("generic_textures", "selection_box_bg_1c", 313, 270 + k * R, 442, 52, 0, 50, 50, 50, 110);
        b.Text(menu.rows[static_cast<std::size_t>(i)], "body", {}, Left, 22, 100, 254 + k * R);
        if (i == sel) {
            const std::size_t at = static_cast<std::size_t>(i);
            b.Text(at < menu.descriptions.size() ? menu.descriptions[at] : "", "body", {}, Center, 18, 313,
                   980);
        }
    }
    return b.frame;
}

} // namespace menu_record
