#include "menu/Text.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "host/ProcessState.h"
#include "menu/TextStore.h"

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

template <std::size_t... Value>
void WriteMarkup(std::string& markup, const MarkupValues& values, std::index_sequence<Value...>) {
    std::size_t length = FixedLength();
    for (const std::string_view value : values) {
        length += value.size();
    }
    // Sized once, then written front to back: every character is copied once.
    markup.resize(length);
    char* out = markup.data();
    ((out = Put(PutPiece<Value>(out), values[Value])), ...);
    PutPiece<MarkupValueCount>(out);
}

// Whole pixels toward zero, as a plain conversion gives them, but kept inside
// 32 bits: a conversion of a float beyond them is undefined (NaN counts as 0).
std::int32_t WholePixels(float pixels) {
    constexpr float beyondInt32 = 2147483648.0f; // 2^31
    if (std::isnan(pixels)) {
        return 0;
    }
    if (pixels >= beyondInt32) {
        return INT32_MAX;
    }
    if (pixels < -beyondInt32) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(pixels);
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
    WriteMarkup(markup, values, std::make_index_sequence<MarkupValueCount>());
}

DecimalText Decimal(std::int64_t value) {
    DecimalText text;
    const auto end = std::to_chars(text.digits, text.digits + sizeof text.digits, value).ptr;
    text.length = static_cast<std::size_t>(end - text.digits);
    return text;
}

void DrawText(std::string_view text, FontIndex font, int red, int green, int blue, int alpha,
              TextAlignment alignment, int size, float x, float y, int letterSpacing) {
    // A font number past the table would read beyond it: such text gets the body font.
    std::string_view fontName = "body";
    if (font >= 0 && static_cast<std::size_t>(font) < FontNames.size()) {
        fontName = FontNames[static_cast<std::size_t>(font)];
    }

    // Sizes are for a 1920-pixel window. Widened so an absurd window width
    // cannot overflow; for any real one this is the 32-bit result.
    const DecimalText sizeText = Decimal(std::int64_t{size} * windowWidth / 1920);
    const float yFraction = y / screenHeight;

    float xFraction = 0.0f;
    DecimalText margin = Decimal(0);
    std::string_view alignName;
    switch (alignment) {
    case TextAlignment::Center: {
        const float fraction = x / screenWidth;
        xFraction = fraction + fraction - 1.0f;
        alignName = "Center";
        break;
    }
    case TextAlignment::Right:
        // The game right-aligns against a margin measured in whole pixels from the screen's right edge.
        margin = Decimal(std::int64_t{WholePixels(screenWidth)} - WholePixels(x));
        alignName = "Right";
        break;
    default:
        // Left, and any value that is no alignment at all.
        xFraction = x / screenWidth;
        alignName = "Left";
        break;
    }

    NativeInvoker::Invoke(Native::SetTextColour, red, green, blue, alpha);

    // The game reads the markup up to its first NUL: a NUL in the text would
    // cut off the closing tags, so the text ends there instead.
    text = text.substr(0, text.find('\0'));
    const DecimalText spacingText = Decimal(letterSpacing);
    std::string& markup = frameTexts.Next();
    FillMarkup(markup, {margin.View(), alignName, fontName, spacingText.View(), sizeText.View(), text});

    const auto gameString = NativeInvoker::Invoke<std::uint64_t>(Native::MakeLiteralGameString, 10,
                                                                 "LITERAL_STRING", markup.c_str());
    NativeInvoker::Invoke(Native::DisplayText, gameString, xFraction, yFraction);
}

} // namespace Menu
