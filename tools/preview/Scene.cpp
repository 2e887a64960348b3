#include "tools/preview/Scene.h"

#include "host/Natives.h"
#include "tools/preview/CommandLine.h"

#include <climits>

namespace preview {
namespace {

constexpr std::size_t DrawSpriteArguments = 12;
constexpr std::size_t DisplayTextArguments = 3;
constexpr std::size_t SetTextColourArguments = 4;

Colour ColourAt(const sim::NativeCall& call, std::size_t first) {
    return Colour{call.Int(first), call.Int(first + 1), call.Int(first + 2), call.Int(first + 3)};
}

} // namespace

Scene BuildScene(const sim::Frame& frame) {
    Scene scene;
    Colour textColour;
    for (const sim::NativeCall& call : frame) {
        // A record may come from a tampered or foreign run: never read past what was pushed.
        const bool textsComplete = call.texts.size() >= call.args.size();
        if (call.Is(Native::SetTextColour)) {
            if (call.args.size() >= SetTextColourArguments) {
                textColour = ColourAt(call, 0);
            }
        } else if (call.Is(Native::DrawSprite)) {
            if (call.args.size() < DrawSpriteArguments || !textsComplete) {
                ++scene.unreadable;
                continue;
            }
            DrawItem item;
            SpriteDraw& sprite = item.sprite;
            sprite.dictionary = call.Text(0);
            sprite.texture = call.Text(1);
            sprite.centreX = call.Float(2);
            sprite.centreY = call.Float(3);
            sprite.width = call.Float(4);
            sprite.height = call.Float(5);
            sprite.rotation = call.Float(6);
            sprite.colour = ColourAt(call, 7);
            scene.items.push_back(std::move(item));
            ++scene.sprites;
        } else if (call.Is(Native::DisplayText)) {
            if (call.args.size() < DisplayTextArguments || !textsComplete) {
                ++scene.unreadable;
                textColour = Colour{};
                continue;
            }
            DrawItem item;
            item.isText = true;
            item.text.format = ParseMarkup(call.Text(0));
            item.text.x = call.Float(1);
            item.text.y = call.Float(2);
            item.text.colour = textColour;
            textColour = Colour{};
            scene.items.push_back(std::move(item));
            ++scene.texts;
        }
    }
    return scene;
}

std::optional<RowCounter> ReadRowCounter(std::string_view text) {
    const std::size_t of = text.find(" of ");
    RowCounter counter;
    if (of == std::string_view::npos || !ReadWholeNumber(text.substr(0, of), counter.row, 0, INT_MAX) ||
        !ReadWholeNumber(text.substr(of + 4), counter.rows, 0, INT_MAX)) {
        return std::nullopt;
    }
    return counter;
}

} // namespace preview
