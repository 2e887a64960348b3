#include "menu/Text.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/ScreenMetrics.h"
#include "menu/TextStore.h"
#include "menu/Utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

namespace Menu {

static_assert(MarkupTemplate.size() == 127);

namespace {

// The template's fixed text before, between and after its placeholders.
constexpr std::array<std::string_view, MarkupValueCount + 1> SplitAtPlaceholders(std::string_view text) {
    std::array<std::string_view, MarkupValueCount + 1> pieces{};
    for (std::size_t i = 0; i < MarkupValueCount; ++i) {
        const std::size_t at = text.find("%s");
        if (at == std::string_view::npos) {
            throw "the template lacks a placeholder"; // at compile time: no build
        }
        pieces[i] = text.substr(0, at);
        text.remove_prefix(at + 2);
    }
    pieces[MarkupValueCount] = text;
    return pieces;
}

constexpr auto markupPieces = SplitAtPlaceholders(MarkupTemplate);
static_assert(markupPieces[MarkupValueCount].find("%s") == std::string_view::npos,
              "the template holds one placeholder per value, no more");

constexpr std::size_t FixedLength() {
    std::size_t length = 0;
    for (const std::string_view piece : markupPieces) {
        length += piece.size();
    }
    return length;
}

// A piece's length is known here, so its copy compiles to a few moves.
template <std::size_t Piece> char* PutPiece(char* out) {
    constexpr std::string_view piece = markupPieces[Piece];
    std::memcpy(out, piece.data(), piece.size());
    return out + piece.size();
}

char* Put(char* out, std::string_view value) {
    if (!value.empty()) {
        std::memcpy(out, value.data(), value.size());
    }
    return out + value.size();
}

constexpr std::size_t TextValue = MarkupValueCount - 1;
constexpr std::string_view MarkupEnd = markupPieces[MarkupValueCount];

// Everything before the text: the fixed pieces and the values but the last.
template <std::size_t... Value>
char* WritePrefix(char* out, const MarkupValues& values, std::index_sequence<Value...>) {
    ((out = Put(PutPiece<Value>(out), values[Value])), ...);
    return PutPiece<TextValue>(out);
}

std::size_t PrefixLength(const MarkupValues& values) {
    std::size_t length = FixedLength() - MarkupEnd.size();
    for (std::size_t i = 0; i < TextValue; ++i) {
        length += values[i].size();
    }
    return length;
}

// The pieces up to the first NUL: the game reads no further.
std::size_t TextLengthBeforeNul(TextPieces pieces) {
    std::size_t length = 0;
    for (const std::string_view piece : pieces) {
        const std::size_t nul = piece.find('\0');
        if (nul != std::string_view::npos) {
            return length + nul;
        }
        length += piece.size();
    }
    return length;
}

// Writes length characters of the pieces, then the markup's end.
void WriteTextAndEnd(char* out, TextPieces pieces, std::size_t length) {
    for (const std::string_view piece : pieces) {
        const std::size_t part = std::min(piece.size(), length);
        out = Put(out, piece.substr(0, part));
        length -= part;
    }
    std::memcpy(out, MarkupEnd.data(), MarkupEnd.size());
}

// The slot already holds this text: its stored text has no NUL, so a text
// with one never matches and is cut where it is built.
bool HoldsText(const MarkupSlot& slot, TextPieces pieces) {
    std::size_t length = 0;
    for (const std::string_view piece : pieces) {
        length += piece.size();
    }
    if (length != slot.textLength) {
        return false;
    }
    const char* at = slot.markup.data() + slot.textAt;
    for (const std::string_view piece : pieces) {
        if (!piece.empty() && std::memcmp(at, piece.data(), piece.size()) != 0) {
            return false;
        }
        at += piece.size();
    }
    return true;
}

constexpr std::string_view AlignNames[] = {"Left", "Center", "Right"};

// Another slot within a few places built with the same key. Texts move a place
// or two when the selection or a row's kind changes, and keep their prefix.
const MarkupSlot* NearbySlotWithKey(std::size_t at, const MarkupKey& key) {
    constexpr std::size_t reach = 3;
    const std::size_t first = at > reach ? at - reach : 0;
    const std::size_t end = std::min(at + reach + 1, frameTexts.slots.size());
    for (std::size_t i = first; i < end; ++i) {
        if (i != at && frameTexts.slots[i]->key == key) {
            return frameTexts.slots[i];
        }
    }
    return nullptr;
}

// Builds slot `at`'s markup again. The part before the text is kept when the
// key is the one it was built with, copied from a nearby slot with that key,
// or else written afresh. Out of line, so a frame like the last runs only
// the short path through DrawText.
[[gnu::noinline]] void Rebuild(std::size_t at, const MarkupKey& key, TextPieces pieces) {
    MarkupSlot& slot = *frameTexts.slots[at];
    const std::size_t textLength = TextLengthBeforeNul(pieces);
    const bool keepPrefix = slot.key == key;
    const MarkupSlot* nearby = keepPrefix ? nullptr : NearbySlotWithKey(at, key);
    // Should the memory run out below, the slot matches nothing afterwards.
    slot.key.fontName = nullptr;
    if (keepPrefix) {
        slot.markup.resize(slot.textAt + textLength + MarkupEnd.size());
    } else if (nearby != nullptr) {
        slot.markup.resize(nearby->textAt + textLength + MarkupEnd.size());
        std::memcpy(slot.markup.data(), nearby->markup.data(), nearby->textAt);
        slot.textAt = nearby->textAt;
    } else {
        const DecimalText margin = Decimal(key.margin);
        const DecimalText spacing = Decimal(key.letterSpacing);
        const DecimalText size = Decimal(key.size);
        const MarkupValues values = {margin.View(),
                                     AlignNames[static_cast<int>(key.alignment)],
                                     {key.fontName, key.fontNameLength},
                                     spacing.View(),
                                     size.View(),
                                     {}};
        const std::size_t textAt = PrefixLength(values);
        // Sized once, then written front to back: every character is copied once.
        slot.markup.resize(textAt + textLength + MarkupEnd.size());
        WritePrefix(slot.markup.data(), values, std::make_index_sequence<TextValue>());
        slot.textAt = textAt;
    }
    WriteTextAndEnd(slot.markup.data() + slot.textAt, pieces, textLength);
    // The game is handed valid UTF-8 only. A text that was not then never
    // matches the slot, and is built again each frame.
    ReplaceInvalidUtf8(slot.markup.data() + slot.textAt, textLength);
    slot.textLength = textLength;
    slot.key = key;
}

// Whole pixels toward zero, as a plain conversion gives them, but kept inside
// 32 bits: a conversion of a float beyond them is undefined (NaN counts as 0).
std::int32_t WholePixels(float pixels) {
    constexpr float beyondInt32 = 2147483648.0f; // 2^31
    // One test for the usual case, run twice for every right-aligned text; NaN fails it.
    if (pixels >= -beyondInt32 && pixels < beyondInt32) {
        return static_cast<std::int32_t>(pixels);
    }
    if (std::isnan(pixels)) {
        return 0;
    }
    return pixels > 0.0f ? INT32_MAX : INT32_MIN;
}

template <typename Values> void Fill(std::string& filled, const Values& values) {
    for (const auto& value : values) {
        const std::size_t at = filled.find("%s");
        if (at != std::string::npos) {
            filled.replace(at, 2, value);
        }
    }
}

} // namespace

std::string FillPlaceholders(std::string_view templateText, const std::vector<std::string>& values) {
    std::string filled(templateText);
    Fill(filled, values);
    return filled;
}

void FillPlaceholders(std::string& filled, std::string_view templateText,
                      std::span<const std::string_view> values) {
    filled.assign(templateText);
    Fill(filled, values);
}

void FillMarkup(std::string& markup, const MarkupValues& values) {
    const std::string_view text = values[TextValue];
    const std::size_t textAt = PrefixLength(values);
    markup.resize(textAt + text.size() + MarkupEnd.size());
    WritePrefix(markup.data(), values, std::make_index_sequence<TextValue>());
    WriteTextAndEnd(markup.data() + textAt, TextPieces(&text, 1), text.size());
}

DecimalText Decimal(std::int64_t value) {
    DecimalText text;
    const auto end = std::to_chars(text.digits, text.digits + sizeof text.digits, value).ptr;
    text.length = static_cast<std::size_t>(end - text.digits);
    return text;
}

void DrawText(std::string_view text, FontIndex font, int red, int green, int blue, int alpha,
              TextAlignment alignment, int size, float x, float y, int letterSpacing) {
    DrawText(TextPieces(&text, 1), font, red, green, blue, alpha, alignment, size, x, y, letterSpacing);
}

void DrawText(TextPieces text, FontIndex font, int red, int green, int blue, int alpha,
              TextAlignment alignment, int size, float x, float y, int letterSpacing) {
    MarkupKey key;
    // A font number past the table would read beyond it: such text gets the body font.
    std::string_view fontName = "body";
    if (font >= 0 && static_cast<std::size_t>(font) < FontNames.size()) {
        fontName = FontNames[static_cast<std::size_t>(font)];
    }
    key.fontName = fontName.data();
    key.fontNameLength = fontName.size();
    // Sizes are for the reference picture. Widened so an absurd window
    // cannot overflow; for any real one this is the 32-bit result.
    key.size = ScaledWhole(size, windowScale);
    key.letterSpacing = letterSpacing;

    const float yFraction = y / windowScale.height;
    float xFraction = 0.0f;
    switch (alignment) {
    case TextAlignment::Center: {
        const float fraction = x / windowScale.width;
        xFraction = fraction + fraction - 1.0f;
        key.alignment = TextAlignment::Center;
        break;
    }
    case TextAlignment::Right:
        // The game right-aligns against a margin of whole reference pixels
        // from the window's right edge, so a 16:9 window of any size keeps
        // the 1080p margin.
        key.margin = std::int64_t{WholePixels(windowScale.width)} - WholePixels(x);
        key.alignment = TextAlignment::Right;
        break;
    default:
        // Left, and any value that is no alignment at all.
        xFraction = x / windowScale.width;
        key.alignment = TextAlignment::Left;
        break;
    }

    NativeInvoker::Invoke(native::SetTextColour, red, green, blue, alpha);

    // Most texts are what the same place held last frame: then the markup
    // handed over last frame goes again, byte for byte.
    MarkupSlot& slot = frameTexts.Next();
    if (!(slot.key == key && HoldsText(slot, text))) {
        Rebuild(frameTexts.used - 1, key, text);
    }

    const auto gameString = NativeInvoker::Invoke<std::uint64_t>(native::MakeLiteralGameString, 10,
                                                                 "LITERAL_STRING", slot.markup.c_str());
    NativeInvoker::Invoke(native::DisplayText, gameString, xFraction, yFraction);
}

} // namespace Menu
