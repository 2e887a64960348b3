#include "menu/Drawing.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/Controller.h"
#include "menu/Number.h"
#include "menu/Option.h"
#include "menu/ScreenMetrics.h"
#include "menu/Text.h"

#include <algorithm>
#include <cstdint>

// Layout values are pixels of a 1920 x 1080 picture; rows are rowPitch apart,
// so the list follows the screen height while everything else stays fixed.
namespace Menu {

namespace {

constexpr const char* GenericTextures = "generic_textures";
constexpr const char* MenuTextures = "menu_textures";

struct Colour {
    int red;
    int green;
    int blue;
    int alpha;
};

constexpr Colour White = {255, 255, 255, 255};
constexpr int DimmedAlpha = 110; // a disabled row's texts and badge are white this faint
constexpr Colour HighlightRed = {255, 0, 0, 255};
constexpr Colour RowBoxGrey = {50, 50, 50, 110};
constexpr Colour CounterGrey = {144, 144, 144, 230};

// The menu column's centre line, and where right-aligned row texts end.
constexpr float CentreX = 313.0f;
constexpr float RowTextRight = 526.0f;

// A badge stands at the row's right end, where the texts end otherwise; they
// end left of it then.
constexpr float BadgeCentreX = 511.0f;
constexpr float BadgeSize = 30.0f;
constexpr float BesideBadgeRight = 490.0f;

constexpr FontIndex BodyFont = 0;
constexpr FontIndex TitleFont = 16;

// The title's line on the banner and the subtitle's below it.
constexpr float TitleY = 79.0f;
constexpr float SubtitleY = 172.0f;

constexpr std::string_view LeftArrow =
    "<img src='img://menu_textures/selection_arrow_left' height='18' width='18'/> ";
constexpr std::string_view RightArrow =
    " <img src='img://menu_textures/selection_arrow_right' height='18' width='18'/>";
constexpr const char* Tick = "<img src='img://generic_textures/tick' height='30' width='30'/>";
constexpr const char* TickBox = "<img src='img://generic_textures/tick_box' height='30' width='30'/>";

// A sprite placed in layout pixels.
void DrawLayoutSprite(const char* dictionary, const char* texture, float centreX, float centreY, float width,
                      float height, float rotation, Colour colour) {
    PrepareSpriteDraw();
    DrawSprite(dictionary, texture, centreX / screenWidth, centreY / screenHeight, width / screenWidth,
               height / screenHeight, rotation, colour.red, colour.green, colour.blue, colour.alpha);
}

// A sprite given by its top-left corner in layout pixels.
void DrawCornerSprite(const char* dictionary, const char* texture, float left, float top, float width,
                      float height, Colour colour) {
    DrawLayoutSprite(dictionary, texture, left + width / 2.0f, top + height / 2.0f, width, height, 0.0f,
                     colour);
}

// White texts; a row's are fainter while it is disabled.
void DrawWhiteText(TextPieces text, FontIndex font, TextAlignment alignment, int size, float x, float y,
                   int alpha = White.alpha) {
    DrawText(text, font, White.red, White.green, White.blue, alpha, alignment, size, x, y, 0);
}

void DrawWhiteText(std::string_view text, FontIndex font, TextAlignment alignment, int size, float x, float y,
                   int alpha = White.alpha) {
    DrawText(text, font, White.red, White.green, White.blue, alpha, alignment, size, x, y, 0);
}

// The values every part of the menu is placed by, for the shown submenu.
struct Window {
    std::int64_t selected;   // sel
    std::int64_t visible;    // V
    std::int64_t rows;       // N
    std::int64_t placesUsed; // m = min(N, V)
    std::int64_t highlight;  // h = min(sel, V - 1)
};

// Widened: nothing here can overflow whatever the fields hold.
Window ShownWindow() {
    const Controller& controller = *menuController;
    const Submenu& submenu = *controller.currentSubmenu;
    Window window;
    window.selected = controller.selectedIndex;
    window.visible = submenu.maxVisibleOptions;
    window.rows = submenu.optionCount;
    window.placesUsed = std::min(window.rows, window.visible);
    window.highlight = std::min(window.selected, window.visible - 1);
    return window;
}

// y of a layout line `count` row pitches below `top`.
float RowsBelow(float top, std::int64_t count) {
    return top + static_cast<float>(count) * rowPitch;
}

} // namespace

void PrepareSpriteDraw() {
    NativeInvoker::Invoke(Native::PrepareSpriteDraw, 0);
}

void DrawSprite(const char* dictionary, const char* texture, float centreX, float centreY, float width,
                float height, float rotation, int red, int green, int blue, int alpha) {
    NativeInvoker::Invoke(Native::DrawSprite, dictionary, texture, centreX, centreY, width, height, rotation,
                          red, green, blue, alpha, 0);
}

void DrawBackground() {
    const Window window = ShownWindow();
    const bool hiddenAbove = window.selected >= window.visible;
    const bool hiddenBelow = window.rows > window.visible && window.selected != window.rows - 1;
    const float lowerTop = RowsBelow(244.0f, window.placesUsed);

    DrawCornerSprite(GenericTextures, "inkroller_1a", 25.0f, 25.0f, 576.0f, 1026.0f, {0, 0, 0, 230});
    DrawCornerSprite(GenericTextures, "menu_header_1a", 92.0f, 51.8f, 442.0f, 108.0f, White);
    DrawLayoutSprite(GenericTextures, "menu_bar", CentreX, 974.0f, 442.0f, 2.0f, 45.0f, {255, 255, 255, 175});

    DrawCornerSprite(MenuTextures, "scroller_left_top", 92.0f, 215.0f, 206.0f, 25.0f, White);
    DrawCornerSprite(MenuTextures, "scroller_right_top", 328.0f, 215.0f, 206.0f, 25.0f, White);
    DrawLayoutSprite(MenuTextures, hiddenAbove ? "scroller_arrow_top" : "scroller_line_up", CentreX, 227.5f,
                     30.0f, 25.0f, 0.0f, White);

    DrawCornerSprite(MenuTextures, "scroller_left_bottom", 92.0f, lowerTop, 206.0f, 25.0f, White);
    DrawCornerSprite(MenuTextures, "scroller_right_bottom", 328.0f, lowerTop, 206.0f, 25.0f, White);
    DrawLayoutSprite(MenuTextures, hiddenBelow ? "scroller_arrow_bottom" : "scroller_line_down", CentreX,
                     RowsBelow(256.5f, window.placesUsed), 30.0f, 25.0f, 0.0f, White);
}

void DrawHighlight() {
    const std::int64_t slot = ShownWindow().highlight;
    const float middle = RowsBelow(270.0f, slot);
    DrawLayoutSprite(MenuTextures, "crafting_highlight_l", 87.0f, middle, 19.0f, 57.0f, 0.0f, HighlightRed);
    DrawLayoutSprite(MenuTextures, "crafting_highlight_r", 539.0f, middle, 19.0f, 57.0f, 0.0f, HighlightRed);
    DrawLayoutSprite(MenuTextures, "crafting_highlight_t", CentreX, RowsBelow(247.0f, slot), 454.0f, 22.0f,
                     0.0f, HighlightRed);
    DrawLayoutSprite(MenuTextures, "crafting_highlight_b", CentreX, RowsBelow(293.0f, slot), 454.0f, 22.0f,
                     0.0f, HighlightRed);
}

void DrawTitles() {
    const Submenu& submenu = *menuController->currentSubmenu;
    DrawWhiteText(submenu.title, TitleFont, TextAlignment::Center, 45, CentreX, TitleY);
    DrawWhiteText(submenu.subtitle, TitleFont, TextAlignment::Center, 23, CentreX, SubtitleY);
}

void DrawCounter() {
    const Window window = ShownWindow();
    const DecimalText position = Decimal(window.selected + 1);
    const DecimalText rows = Decimal(window.rows);
    const std::string_view counter[] = {position.View(), " of ", rows.View()};
    DrawText(counter, BodyFont, CounterGrey.red, CounterGrey.green, CounterGrey.blue, CounterGrey.alpha,
             TextAlignment::Right, 20, 534.0f, RowsBelow(243.0f, window.placesUsed), -1);
}

namespace {

// A list's or number's value, between the arrows while selected.
void DrawValue(std::string_view shown, bool selected, float rightEnd, float lineY, int alpha) {
    const std::string_view arrowed[] = {LeftArrow, shown, RightArrow};
    const TextPieces value = selected ? TextPieces(arrowed) : TextPieces(arrowed + 1, 1);
    DrawWhiteText(value, BodyFont, TextAlignment::Right, 22, rightEnd, lineY, alpha);
}

// What stands at a row's right end: a list's or number's value (between the
// arrows while selected), the tick box, right-hand text, a badge. Inlined
// into the loop over the rows, as the row itself is: fewer instructions in
// every frame than a call.
[[gnu::always_inline]] inline void DrawRightEnd(Option& row, std::int64_t slot, bool selected, int alpha) {
    const bool badged = !row.badgeTexture.empty();
    const float rightEnd = badged ? BesideBadgeRight : RowTextRight;
    const float lineY = RowsBelow(254.0f, slot);
    if (row.isNumber) {
        // As the target holds it now, whoever changed it.
        ShowNumber(row);
        DrawValue(row.valueText, selected, rightEnd, lineY, alpha);
    } else if (row.isList) {
        DrawValue(row.valueText, selected, rightEnd, lineY, alpha);
    }
    if (row.isToggle) {
        // The tick images sit a pixel above the labels.
        const float tickY = RowsBelow(253.0f, slot);
        if (row.toggleTarget != nullptr && *row.toggleTarget) {
            DrawWhiteText(Tick, BodyFont, TextAlignment::Right, 22, rightEnd, tickY, alpha);
        }
        DrawWhiteText(TickBox, BodyFont, TextAlignment::Right, 22, rightEnd, tickY, alpha);
    }
    if (!row.rightText.empty() && !row.isList && !row.isNumber && !row.isToggle) {
        DrawWhiteText(row.rightText, BodyFont, TextAlignment::Right, 22, rightEnd, lineY, alpha);
    }
    if (badged) {
        DrawLayoutSprite(row.badgeDictionary.c_str(), row.badgeTexture.c_str(), BadgeCentreX,
                         RowsBelow(270.0f, slot), BadgeSize, BadgeSize, 0.0f,
                         {White.red, White.green, White.blue, alpha});
    }
}

} // namespace

namespace {

// Which rows the window shows and where: the first V rows until the
// selection passes them, then the V rows that end at the selection.
struct RowPlaces {
    explicit RowPlaces(const Window& window)
        : selected(window.selected), lastTopRow(window.visible - 1),
          showsTop(window.selected <= window.visible - 1), aboveScrolled(window.selected - window.visible),
          scrolledShift(window.visible - 1 - window.selected) {}

    std::int64_t selected;
    std::int64_t lastTopRow;    // V - 1
    bool showsTop;              // sel <= V - 1
    std::int64_t aboveScrolled; // sel - V: the scrolled window starts after it
    std::int64_t scrolledShift; // V - 1 - sel: from a row to its slot when scrolled
};

// One row in the shown window: box, label, description, and its right end.
// Inlined into the loop over the rows, which then sets up the places once.
[[gnu::always_inline]] inline void DrawRow(Option& option, const RowPlaces& places) {
    const std::int64_t row = option.index;
    const bool inTop = places.showsTop && row <= places.lastTopRow;
    const bool inScrolled = places.aboveScrolled < row && row <= places.selected;
    const bool drawn = inTop || inScrolled;
    const std::int64_t slot = inTop ? row : row + places.scrolledShift;
    const bool selected = row == places.selected;
    constexpr int alphas[] = {White.alpha, DimmedAlpha};
    const int alpha = alphas[option.isDisabled ? 1 : 0];

    if (drawn) {
        const float labelY = RowsBelow(254.0f, slot);
        if (option.isSeparator) {
            DrawWhiteText(option.text, TitleFont, TextAlignment::Center, 22, CentreX, labelY, alpha);
        } else {
            DrawLayoutSprite(GenericTextures, "selection_box_bg_1c", CentreX, RowsBelow(270.0f, slot), 442.0f,
                             52.0f, 0.0f, RowBoxGrey);
            DrawWhiteText(option.text, BodyFont, TextAlignment::Left, 22, 100.0f, labelY, alpha);
        }
    }
    if (selected && !option.isSeparator) {
        DrawWhiteText(option.description, BodyFont, TextAlignment::Center, 18, CentreX, 980.0f);
    }
    if (drawn && (option.isList || option.isToggle || option.isNumber || !option.rightText.empty() ||
                  !option.badgeTexture.empty())) {
        DrawRightEnd(option, slot, selected, alpha);
    }
}

} // namespace

void Option::Draw() {
    DrawRow(*this, RowPlaces(ShownWindow()));
}

void DrawRows(Submenu& submenu) {
    const RowPlaces window(ShownWindow());
    auto& options = submenu.options;
    for (std::int32_t i = 0; i < submenu.optionCount; ++i) {
        if (static_cast<std::size_t>(i) < options.size()) {
            DrawRow(options[static_cast<std::size_t>(i)], window);
        }
    }
}

} // namespace Menu
