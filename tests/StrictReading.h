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

// The texts whose inner text starts with prefix, in drawing order.
inline std::vector<DrawnText> TextsStartingWith(const readback::Drawing& drawing, const std::string& prefix) {
    std::vector<DrawnText> found;
    for (const DrawnText& text : drawing.texts) {
        if (text.Inner().rfind(prefix, 0) == 0) {
            found.push_back(text);
        }
    }
    return found;
}

inline std::vector<DrawnSprite> SpritesNamed(const readback::Drawing& drawing, const std::string& texture) {
    std::vector<DrawnSprite> found;
    for (const DrawnSprite& sprite : drawing.sprites) {
        if (sprite.texture == texture) {
            found.push_back(sprite);
        }
    }
    return found;
}

// The strict reading: every break of the calling sequences is a fault.
inline readback::Drawing ReadDrawing(const sim::Frame& frame) {
    return readback::ReadDrawing(frame, readback::Reading::Strict);
}
