#include "tools/render/GameOverlays.h"

#include "host/GameControls.h"
#include "host/Natives.h"
#include "tools/render/Renderer.h"
#include "tools/render/Utf8.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace render {
namespace {

using Sizes = OverlayLook;

void SetColour(cairo_t* cr, Pixel colour) {
    cairo_set_source_rgb(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
}

float FloatResult(const sim::NativeCall& call) {
    const auto bits = static_cast<std::uint32_t>(call.result);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

std::optional<readback::ScreenPlace> ShownCursor(const sim::Frame& frame) {
    bool shown = false;
    std::optional<float> x;
    std::optional<float> y;
    for (const sim::NativeCall& call : frame) {
        if (call.Is(native::SetMouseCursorThisFrame)) {
            shown = true;
        } else if (call.Is(native::DisabledControlNormal) && call.args.size() >= 2) {
            if (call.U32(1) == control::INPUT_CURSOR_X) {
                x = FloatResult(call);
            } else if (call.U32(1) == control::INPUT_CURSOR_Y) {
                y = FloatResult(call);
            }
        }
    }
    if (!shown || !x || !y || !(*x >= 0.0f && *x <= 1.0f && *y >= 0.0f && *y <= 1.0f)) {
        return std::nullopt;
    }
    return readback::ScreenPlace{*x, *y};
}

void DrawCursor(Picture& picture, readback::ScreenPlace place) {
    const double size = Sizes::CursorHeight * picture.Height() / Sizes::LayoutHeight;
    cairo_t* cr = cairo_create(picture.Surface());
    cairo_translate(cr, static_cast<double>(place.x) * picture.Width(),
                    static_cast<double>(place.y) * picture.Height());
    // An arrow whose tip is the cursor's place.
    cairo_move_to(cr, 0.0, 0.0);
    cairo_line_to(cr, 0.0, size);
    cairo_line_to(cr, size * 0.28, size * 0.74);
    cairo_line_to(cr, size * 0.46, size * 1.1);
    cairo_line_to(cr, size * 0.6, size * 1.03);
    cairo_line_to(cr, size * 0.42, size * 0.68);
    cairo_line_to(cr, size * 0.75, size * 0.68);
    cairo_close_path(cr);
    SetColour(cr, {255, 255, 255});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, std::max(1.0, size * 0.06));
    SetColour(cr, {0, 0, 0});
    cairo_stroke(cr);
    cairo_destroy(cr);
}

void DrawKeyboard(Picture& picture, const sim::OnscreenKeyboard& keyboard) {
    if (keyboard.state != sim::OnscreenKeyboard::State::Editing) {
        return;
    }
    const double scale = picture.Height() / Sizes::LayoutHeight;
    const double width = std::min(Sizes::BoxWidth * scale, picture.Width() * 0.9);
    const double height = Sizes::BoxHeight * scale;
    const double left = (picture.Width() - width) / 2.0;
    const double top = (picture.Height() - height) / 2.0;
    const double padding = Sizes::Padding * scale;
    cairo_t* cr = cairo_create(picture.Surface());
    cairo_rectangle(cr, left, top, width, height);
    SetColour(cr, Sizes::BoxColour);
    cairo_fill(cr);

    DrawLabelFrom(cr, ValidUtf8(keyboard.title), left + padding,
                  top + padding + Sizes::TitleSize * scale * 0.8, Sizes::TitleSize * scale,
                  Sizes::TitleColour);
    const double fieldTop = top + padding + Sizes::TitleSize * scale * 1.4;
    const double fieldHeight = Sizes::TextSize * scale * 1.6;
    cairo_rectangle(cr, left + padding, fieldTop, width - 2.0 * padding, fieldHeight);
    SetColour(cr, Sizes::FieldColour);
    cairo_fill(cr);
    const std::string text = ValidUtf8(keyboard.text);
    const double textLeft = left + padding * 1.4;
    const double baseline = fieldTop + fieldHeight / 2.0 + Sizes::TextSize * scale * 0.36;
    DrawLabelFrom(cr, text, textLeft, baseline, Sizes::TextSize * scale, Sizes::TextColour);
    // The caret after the text.
    const double caret = textLeft + LabelWidth(text, Sizes::TextSize * scale) + 2.0 * scale;
    cairo_rectangle(cr, caret, fieldTop + fieldHeight * 0.2, std::max(1.0, 2.0 * scale), fieldHeight * 0.6);
    SetColour(cr, Sizes::TextColour);
    cairo_fill(cr);

    const std::string hint =
        "at most " + std::to_string(keyboard.maxLength) + " characters    Enter done    Esc cancel";
    DrawLabelFrom(cr, hint, left + padding, top + height - padding * 0.8, Sizes::HintSize * scale,
                  Sizes::HintColour);
    cairo_destroy(cr);
}

} // namespace render
