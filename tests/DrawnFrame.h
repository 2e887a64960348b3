// Reads a recorded frame back as what the game was asked to draw: sprites and
// texts in order, with the calling sequences they must follow checked on the way.
#pragma once

#include "host/Natives.h"
#include "host/ProcessState.h"
#include "sim/Recorder.h"

#include <ostream>
#include <string>
#include <vector>

struct DrawnSprite {
    std::string dictionary;
    std::string texture;
    float x = 0.0f; // fractions of the screen, as handed to the game
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    float rotation = 0.0f;
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 0;

    bool operator==(const DrawnSprite&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const DrawnSprite& s) {
    return out << s.dictionary << '/' << s.texture << " at (" << s.x << ", " << s.y << ") size (" << s.width
               << ", " << s.height << ") rotation " << s.rotation << " colour " << s.red << ',' << s.green
               << ',' << s.blue << ',' << s.alpha;
}

struct DrawnText {
    std::string markup;
    const char* markupLocation = nullptr; // what the plug-in handed to the game
    float x = 0.0f;
    float y = 0.0f;
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 0;

    // The text between the markup's "~s~" and its "</FONT>".
    std::string Inner() const {
        const std::size_t begin = markup.find("~s~");
        const std::size_t end = markup.rfind("</FONT>");
        if (begin == std::string::npos || end == std::string::npos || end < begin + 3) {
            return "<no text in markup>";
        }
        return markup.substr(begin + 3, end - begin - 3);
    }

    // The value of NAME = '...' in the markup; FACE keeps its "$".
    std::string Attribute(const std::string& name) const {
        const std::string key = name + " = '";
        const std::size_t begin = markup.find(key);
        if (begin == std::string::npos) {
            return "<missing " + name + ">";
        }
        const std::size_t valueBegin = begin + key.size();
        return markup.substr(valueBegin, markup.find('\'', valueBegin) - valueBegin);
    }
};

struct DrawnFrame {
    std::vector<DrawnSprite> sprites;
    std::vector<DrawnText> texts;
    std::string order;               // 's' per sprite, 't' per text, 'r' per radar call
    std::vector<std::string> faults; // calling sequences broken

    // The texts whose inner text starts with prefix, in drawing order.
    std::vector<DrawnText> TextsStartingWith(const std::string& prefix) const {
        std::vector<DrawnText> found;
        for (const DrawnText& text : texts) {
            if (text.Inner().rfind(prefix, 0) == 0) {
                found.push_back(text);
            }
        }
        return found;
    }
    std::vector<DrawnSprite> SpritesNamed(const std::string& texture) const {
        std::vector<DrawnSprite> found;
        for (const DrawnSprite& sprite : sprites) {
            if (sprite.texture == texture) {
                found.push_back(sprite);
            }
        }
        return found;
    }
};

inline DrawnFrame ReadDrawing(const sim::Frame& frame) {
    DrawnFrame drawn;
    for (std::size_t i = 0; i < frame.size(); ++i) {
        const sim::NativeCall& call = frame[i];
        const std::string where = "call " + std::to_string(i) + ": ";
        if (call.Is(Native::DrawSprite)) {
            if (i == 0 || !frame[i - 1].Is(Native::PrepareSpriteDraw) || frame[i - 1].args.size() != 1 ||
                frame[i - 1].args[0] != 0) {
                drawn.faults.push_back(where + "sprite without prepare_sprite_draw(0) right before it");
            }
            if (call.args.size() != 12 || call.args[11] != 0) {
                drawn.faults.push_back(where + "draw_sprite needs 12 arguments ending in 0");
                continue;
            }
            drawn.sprites.push_back({call.Text(0), call.Text(1), call.Float(2), call.Float(3), call.Float(4),
                                     call.Float(5), call.Float(6), call.Int(7), call.Int(8), call.Int(9),
                                     call.Int(10)});
            drawn.order += 's';
        } else if (call.Is(Native::SetTextColour)) {
            if (i + 2 >= frame.size() || !frame[i + 1].Is(Native::MakeLiteralGameString) ||
                !frame[i + 2].Is(Native::DisplayText)) {
                drawn.faults.push_back(where + "colour not followed by make string and display");
                continue;
            }
            const sim::NativeCall& make = frame[i + 1];
            const sim::NativeCall& display = frame[i + 2];
            if (make.Int(0) != 10 || make.Text(1) != "LITERAL_STRING") {
                drawn.faults.push_back(where + "make_literal_game_string needs 10 and \"LITERAL_STRING\"");
            }
            if (display.args[0] != make.result) {
                drawn.faults.push_back(where + "display_text shows another game string");
            }
            // Arguments are 64-bit slots: the upper half of each colour must be zero.
            for (std::size_t a = 0; a < 4; ++a) {
                if (call.args[a] >> 32 != 0) {
                    drawn.faults.push_back(where + "colour argument not zero-extended");
                }
            }
            drawn.texts.push_back(
                {make.Text(2), reinterpret_cast<const char*>(static_cast<std::uintptr_t>(make.args[2])),
                 display.Float(1), display.Float(2), call.Int(0), call.Int(1), call.Int(2), call.Int(3)});
            drawn.order += 't';
            i += 2;
        } else if (call.Is(Native::RadarDisplaySwitch)) {
            drawn.order += 'r';
        } else if (call.Is(Native::PrepareSpriteDraw) &&
                   (i + 1 == frame.size() || !frame[i + 1].Is(Native::DrawSprite))) {
            drawn.faults.push_back(where + "prepare_sprite_draw without a sprite after it");
        } else if (call.Is(Native::MakeLiteralGameString) || call.Is(Native::DisplayText)) {
            drawn.faults.push_back(where + "text call outside colour, make string, display");
        }
    }
    return drawn;
}
