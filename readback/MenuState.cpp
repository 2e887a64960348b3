#include "readback/MenuState.h"

#include "host/MenuArt.h"
#include "host/Natives.h"
#include "menu/Geometry.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace readback {
namespace {

constexpr const char* ListTopTexture = menu_art::ScrollerLeftTop.name;
constexpr const char* HighlightTopTexture = menu_art::HighlightTop.name;
constexpr const char* HighlightBottomTexture = menu_art::HighlightBottom.name;
constexpr const char* DescriptionBarTexture =
    menu_art::DescriptionBar.name; // the description is the text below it
constexpr const char* LeftArrowTexture = menu_art::ListArrowLeft.name;

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

bool ReadWholeNumber(std::string_view text, int& value) {
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

bool HasImage(const Text& text, std::string_view texture) {
    return std::any_of(text.format.pieces.begin(), text.format.pieces.end(),
                       [&](const TextPiece& piece) { return piece.isImage && piece.texture == texture; });
}

// The y of the first sprite with this texture at its top edge (centre when
// centre is asked), if the frame drew one.
std::optional<float> SpriteY(const Drawing& drawing, std::string_view texture, bool topEdge) {
    for (const Sprite& sprite : drawing.sprites) {
        if (sprite.texture == texture) {
            return topEdge ? sprite.y - sprite.height / 2.0f : sprite.y;
        }
    }
    return std::nullopt;
}

bool InTitleFont(const Text& text) {
    return !text.format.pieces.empty() && text.format.pieces.front().font.face == "title";
}

} // namespace

std::optional<RowCounter> ReadRowCounter(std::string_view text) {
    const std::size_t of = text.find(" of ");
    RowCounter counter;
    if (of == std::string_view::npos || !ReadWholeNumber(text.substr(0, of), counter.row) ||
        !ReadWholeNumber(text.substr(of + 4), counter.rows)) {
        return std::nullopt;
    }
    return counter;
}

MenuState ReadMenu(const Drawing& drawing) {
    MenuState state;
    state.open = !drawing.sprites.empty() || !drawing.texts.empty();
    const float listTop = SpriteY(drawing, ListTopTexture, true).value_or(std::numeric_limits<float>::max());
    const std::optional<float> highlightTop = SpriteY(drawing, HighlightTopTexture, false);
    const std::optional<float> highlightBottom = SpriteY(drawing, HighlightBottomTexture, false);
    const std::optional<float> descriptionBar = SpriteY(drawing, DescriptionBarTexture, false);
    int headerTitles = 0;
    for (const Text& text : drawing.texts) {
        const std::string plain = text.Plain();
        if (text.y < listTop && (text.format.align == Align::Center || InTitleFont(text)) &&
            headerTitles < 2) {
            (headerTitles++ == 0 ? state.title : state.subtitle) = plain;
        } else if (text.format.align != Align::Center && !state.counter &&
                   (state.counter = ReadRowCounter(plain))) {
            // Not a heading row, which stands centred whatever its text.
            state.counterText = plain;
        } else if (highlightTop && highlightBottom && text.y > *highlightTop && text.y < *highlightBottom) {
            // In the highlight: the label first, then a value, a toggle's tick
            // and box, or right-hand text.
            if (state.selectedRow.empty()) {
                state.selectedRow = plain;
                state.selectedDisabled = text.colour.alpha < 255;
            } else if (HasImage(text, menu_art::TickBox.name)) {
                state.selectedToggle = state.selectedToggle.value_or(false);
            } else if (HasImage(text, menu_art::Tick.name)) {
                state.selectedToggle = true;
            } else if (text.format.align != Align::Right) {
                continue;
            } else if (HasImage(text, LeftArrowTexture) && state.selectedValue.empty()) {
                // The arrows' images stand a space away from the value.
                state.selectedValue = Trimmed(plain);
            } else if (!HasImage(text, LeftArrowTexture) && state.selectedRight.empty()) {
                state.selectedRight = plain;
            }
        } else if (descriptionBar && text.y > *descriptionBar && state.description.empty()) {
            state.description = plain;
        }
    }
    return state;
}

std::vector<Sound> ReadSounds(const sim::Frame& frame) {
    std::vector<Sound> sounds;
    for (const sim::NativeCall& call : frame) {
        if (call.Is(native::PlayFrontendSound) && call.texts.size() >= 2) {
            sounds.push_back({call.Text(0), call.Text(1)});
        }
    }
    return sounds;
}

MenuState ReadMenu(const sim::Frame& frame) {
    MenuState state = ReadMenu(ReadDrawing(frame, Reading::Lenient));
    state.sounds = ReadSounds(frame);
    return state;
}

std::optional<ScreenPlace> RowPlace(const Drawing& drawing, int row, std::string& why) {
    const MenuState menu = ReadMenu(drawing);
    const Sprite* left = nullptr;
    const Sprite* middle = nullptr;
    const Sprite* lowerScroller = nullptr;
    for (const Sprite& sprite : drawing.sprites) {
        const std::string_view texture = sprite.texture;
        if (texture == menu_art::HighlightLeft.name && left == nullptr) {
            left = &sprite;
        } else if (texture == HighlightTopTexture && middle == nullptr) {
            middle = &sprite;
        } else if (texture == menu_art::ScrollerLeftBottom.name && lowerScroller == nullptr) {
            lowerScroller = &sprite;
        }
    }
    if (!menu.open || !menu.counter || left == nullptr || middle == nullptr || lowerScroller == nullptr) {
        why = "the menu is not drawn";
        return std::nullopt;
    }
    if (row < 1 || row > menu.counter->rows) {
        why = "the page has rows 1 to " + std::to_string(menu.counter->rows);
        return std::nullopt;
    }
    // The highlight stands on the selected row; the others a pitch apart from it.
    const float y = left->y + static_cast<float>(row - menu.counter->row) * Menu::RowPitchFactor;
    const float listTop = SpriteY(drawing, ListTopTexture, true).value_or(0.0f);
    const float listBottom = lowerScroller->y - lowerScroller->height / 2.0f;
    if (!(y > listTop && y < listBottom)) {
        why = "row " + std::to_string(row) + " is scrolled out of sight";
        return std::nullopt;
    }
    return ScreenPlace{(left->x + middle->x) / 2.0f, y};
}

} // namespace readback
