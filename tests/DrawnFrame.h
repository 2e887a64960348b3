// Tests read frames strictly: sprites and texts in order, with the calling
// sequences they must follow checked on the way.
#pragma once

#include "host/ProcessState.h"
#include "readback/FrameDrawing.h"

#include <ostream>
#include <string>
#include <vector>

using DrawnSprite = readback::Sprite;
using DrawnText = readback::Text;

namespace readback {
inline std::ostream& operator<<(std::ostream& out, const Sprite& s) {
    return out << s.dictionary << '/' << s.texture << " at (" << s.x << ", " << s.y << ") size (" << s.width
               << ", " << s.height << ") rotation " << s.rotation << " colour " << s.colour.red << ','
               << s.colour.green << ',' << s.colour.blue << ',' << s.colour.alpha;
}
} // namespace readback

// The strict reading, sprites and texts apart.
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
    readback::Drawing drawing = readback::ReadDrawing(frame, readback::Reading::Strict);
    DrawnFrame drawn{{}, {}, std::move(drawing.order), std::move(drawing.faults)};
    for (readback::DrawItem& item : drawing.items) {
        if (item.isText) {
            drawn.texts.push_back(std::move(item.text));
        } else {
            drawn.sprites.push_back(std::move(item.sprite));
        }
    }
    return drawn;
}
