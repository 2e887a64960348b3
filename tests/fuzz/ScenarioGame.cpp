#include "tests/fuzz/ScenarioGame.h"

#include "tests/fuzz/ScenarioPages.h"

#include "menu/Layout.h"
#include "menu/ScreenMetrics.h"
#include "menu/Style.h"

#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();
constexpr std::int32_t intMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t intMax = std::numeric_limits<std::int32_t>::max();

constexpr std::array<float, 10> nowhere = {notANumber, infinity,   -infinity, -0.0f, 0.0f,
                                           1.0f,       1.0000001f, -1e-7f,    0.5f,  1e30f};

float Hair(float at, int side) {
    return side == 0 ? at : std::nextafter(at, side < 0 ? -infinity : infinity);
}

// x in layout pixels: the column's edges, a hair inside or outside, a list's arrows.
float ColumnPlace(ByteReader& in) {
    const Menu::Columns columns = Menu::ColumnsOf(Menu::style);
    const std::array<float, 5> places = {columns.left, columns.right, columns.centre,
                                         columns.valueRight - 9.0f, columns.valueRight - 90.0f};
    const float at = places[in.Pick(places.size())];
    return Hair(at, static_cast<int>(in.Pick(3)) - 1);
}

// y in layout pixels: a slot's box top or bottom, a hair either side, or its middle.
float RowPlace(ByteReader& in) {
    const auto slot = static_cast<float>(in.Pick(16));
    const std::array<float, 3> places = {Menu::RowBoxTop, Menu::RowBoxTop + Menu::RowBoxHeight,
                                         Menu::RowBoxTop + Menu::RowBoxHeight / 2.0f};
    const float at = places[in.Pick(places.size())] + slot * rowPitch;
    return Hair(at, static_cast<int>(in.Pick(3)) - 1);
}

} // namespace

void PlaceCursor(ByteReader& in, sim::Game& game) {
    switch (in.Pick(3)) {
    case 0:
        game.cursorX = std::bit_cast<float>(in.Unsigned<std::uint32_t>());
        game.cursorY = std::bit_cast<float>(in.Unsigned<std::uint32_t>());
        break;
    case 1:
        game.cursorX = nowhere[in.Pick(nowhere.size())];
        game.cursorY = nowhere[in.Pick(nowhere.size())];
        break;
    default:
        game.cursorX = ColumnPlace(in) / screenWidth;
        game.cursorY = RowPlace(in) / screenHeight;
        break;
    }
}

void PlayKeyboard(ByteReader& in, sim::Game& game) {
    sim::OnscreenKeyboard& box = game.keyboard;
    const std::vector<std::string>& texts = HostileTexts();
    switch (in.Pick(6)) {
    case 0:
        box.Type(texts[in.Pick(texts.size())]);
        break;
    case 1:
        box.Finish();
        break;
    case 2:
        box.Cancel();
        break;
    case 3:
        box.nullResult = !box.nullResult;
        break;
    case 4: {
        // Unterminated within reason: more bytes than any row's length reaches, no end among them.
        const std::size_t length = in.Pick(2) == 0 ? texts.size() : 0;
        box.rawResult = length != 0 ? texts[in.Pick(length)] : std::string(70000, 'x');
        break;
    }
    default:
        box.rawResult.reset();
        break;
    }
}

void SetLook(ByteReader& in) {
    Menu::Style& look = Menu::style;
    constexpr std::array<std::int32_t, 7> rows = {intMin, -1, 0, 1, 2, 8, 14};
    constexpr std::array<float, 6> lefts = {notANumber, infinity, -infinity, 15.0f, 92.0f, 700.0f};
    constexpr std::array<float, 7> widths = {notANumber, -infinity, -5.0f, 0.0f, 120.0f, 442.0f, 1000.0f};
    constexpr std::array<int, 5> fonts = {intMin, -1, 0, 16, 1000};
    constexpr std::array<int, 6> sizes = {intMin, -1, 0, 22, 1000, intMax};
    constexpr std::array<int, 5> channels = {intMin, -1, 0, 255, 256};
    switch (in.Pick(6)) {
    case 0:
        look.rowsShown = rows[in.Pick(rows.size())];
        break;
    case 1:
        look.left = lefts[in.Pick(lefts.size())];
        break;
    case 2:
        look.width = widths[in.Pick(widths.size())];
        break;
    case 3:
        look.rowFont = fonts[in.Pick(fonts.size())];
        look.titleFont = fonts[in.Pick(fonts.size())];
        break;
    case 4:
        look.rowSize = sizes[in.Pick(sizes.size())];
        look.titleSize = sizes[in.Pick(sizes.size())];
        break;
    default:
        look.rowTextColour.alpha = channels[in.Pick(channels.size())];
        look.highlightColour.red = channels[in.Pick(channels.size())];
        break;
    }
}
