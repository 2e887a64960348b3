// Hand-made records of the calls the plug-in makes to draw: sprites and
// texts exactly as the stand-in records them, and a whole open menu laid out
// as tests/support/MenuLayout.h has it.
#pragma once

#include "host/Natives.h"
#include "sim/NativeTable.h"
#include "sim/Recorder.h"
#include "tests/support/MenuLayout.h"

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
        frame.push_back(Call(native::PrepareSpriteDraw, {0}));
        frame.push_back(
            Call(native::DrawSprite,
                 {0, 0, Bits(x * scale / width_), Bits(y * scale / height_), Bits(w * scale / width_),
                  Bits(h * scale / height_), Bits(rotation), Int(red), Int(green), Int(blue), Int(alpha), 0},
                 {dictionary, texture}));
    }

    void Text(const std::string& text, const std::string& face, Rgba colour, Align align, int size, float x,
              float y, int spacing = 0) {
        std::string margin = "0";
        float xN = x * scale / width_;
        if (align == Center) {
            xN = xN + xN - 1.0f;
        } else if (align == Right) {
            xN = 0.0f;
            margin = std::to_string(static_cast<int>(1080.0 * width_ / height_) - static_cast<int>(x));
        }
        const char* alignName = align == Left ? "Left" : align == Center ? "Center" : "Right";
        const std::string markup = Markup(margin, alignName, face, spacing, size * windowWidth_ / 1920, text);
        frame.push_back(Call(native::SetTextColour,
                             {Int(colour.red), Int(colour.green), Int(colour.blue), Int(colour.alpha)}));
        const std::uint64_t gameString = 0x5354520000000001 + frame.size();
        frame.push_back(Call(native::MakeLiteralGameString, {10, 0, 0}, {"", "LITERAL_STRING", markup}));
        frame.back().result = gameString;
        frame.push_back(
            Call(native::DisplayText, {gameString, Bits(xN), Bits(y * scale / height_)}, {markup}));
    }

    // Places and sizes are layout pixels times this: the menu's scale on the
    // screen, its height / 1080; 1 for frames built in the screen's pixels.
    float scale = 1.0f;

    float RowPitch() const { return menu_layout::RowPitch(height_); }

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
    namespace layout = menu_layout;
    constexpr int V = layout::VisibleRows;
    FrameBuilder b(menu.screenWidth, menu.screenHeight, menu.screenWidth);
    b.scale = static_cast<float>(menu.screenHeight) / 1080.0f;
    const float R = menu_layout::RowPitch(1080.0f);
    const int n = static_cast<int>(menu.rows.size());
    const int sel = menu.selected;
    const int placesUsed = n < V ? n : V;
    const auto draw = [&b](const std::vector<layout::SpritePlace>& places) {
        for (const layout::SpritePlace& p : places) {
            b.Sprite(p.dictionary, p.texture, p.x, p.y, p.width, p.height, p.rotation, p.red, p.green, p.blue,
                     p.alpha);
        }
    };

    draw(layout::Background(placesUsed, R, layout::UpperScroller(sel), layout::LowerScroller(n, sel)));
    draw(layout::Highlight(sel < V - 1 ? sel : V - 1, R));

    b.Text(menu.title, "title", {}, Center, layout::Title.size, layout::Title.x, layout::Title.top);
    b.Text(menu.subtitle, "title", {}, Center, layout::Subtitle.size, layout::Subtitle.x,
           layout::Subtitle.top);
    const int* grey = layout::CounterColour;
    b.Text(std::to_string(sel + 1) + " of " + std::to_string(n), "body", {grey[0], grey[1], grey[2], grey[3]},
           Right, layout::Counter.size, layout::Counter.x,
           layout::Counter.top + static_cast<float>(placesUsed) * R, layout::CounterSpacing);

    for (int i = 0; i < n; ++i) {
        const bool inTop = sel <= V - 1 && i <= V - 1;
        const bool inScrolled = sel - V < i && i <= sel;
        if (!inTop && !inScrolled) {
            continue;
        }
        const int slot = inTop ? i : i - sel + V - 1;
        draw({layout::RowBox(slot, R)});
        b.Text(menu.rows[static_cast<std::size_t>(i)], "body", {}, Left, layout::Label.size, layout::Label.x,
               layout::Label.top + static_cast<float>(slot) * R);
        if (i == sel) {
            const std::size_t at = static_cast<std::size_t>(i);
            b.Text(at < menu.descriptions.size() ? menu.descriptions[at] : "", "body", {}, Center,
                   layout::Description.size, layout::Description.x, layout::Description.top);
        }
    }
    return b.frame;
}

} // namespace menu_record
