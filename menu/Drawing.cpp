#include "menu/Drawing.h"

#include "host/MenuArt.h"
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/Geometry.h"
#include "menu/Layout.h"
#include "menu/Menu.h"
#include "menu/Number.h"
#include "menu/Rows.h"
#include "menu/ScreenMetrics.h"
#include "menu/Style.h"
#include "menu/Text.h"
#include "menu/TextEntry.h"
#include "menu/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

// Places and sizes are pixels of the reference picture (menu/Geometry.h),
// scaled to the game window as a whole (windowScale).
namespace Menu {

namespace {

// A texture shown inside a text, its sides scaled with the window.
std::string ImageTag(menu_art::Texture texture, float side, const WindowScale& window) {
    const std::string scaled = std::to_string(ScaledWhole(static_cast<std::int64_t>(side), window));
    return std::string("<img src='img://") + texture.dictionary + "/" + texture.name + "' height='" + scaled +
           "' width='" + scaled + "'/>";
}

// Makes the images inside a row's texts for the window's scale; out of line,
// as it runs only when the scale changes.
[[gnu::noinline]] void MakeTextImages(TextImages& images, const WindowScale& window) {
    images.leftArrow = ImageTag(menu_art::ListArrowLeft, ListArrowSide, window) + " ";
    images.rightArrow.assign(1, ' ').append(ImageTag(menu_art::ListArrowRight, ListArrowSide, window));
    images.tick = ImageTag(menu_art::Tick, TickSide, window);
    images.tickBox = ImageTag(menu_art::TickBox, TickSide, window);
    images.forHeight = window.heightScaled; // last: a failed allocation makes them again
}

// The images inside a row's texts, made again only when the scale changes.
// Inlined: every value and tick box of a frame asks.
[[gnu::always_inline]] inline const TextImages& TextImagesFor(const WindowScale& window) {
    TextImages& images = textImages;
    if (images.forHeight != window.heightScaled) {
        MakeTextImages(images, window);
    }
    return images;
}

// A sprite placed in layout pixels; inlined, as a frame draws about twenty.
[[gnu::always_inline]] inline void DrawLayoutSprite(const char* dictionary, const char* texture,
                                                    float centreX, float centreY, float width, float height,
                                                    float rotation, Colour colour) {
    PrepareSpriteDraw();
    const WindowScale& window = windowScale;
    DrawSprite(dictionary, texture, centreX / window.width, centreY / window.height, width / window.width,
               height / window.height, rotation, colour.red, colour.green, colour.blue, colour.alpha);
}

// A sprite given by its top-left corner in layout pixels; inlined too.
[[gnu::always_inline]] inline void DrawCornerSprite(const char* dictionary, const char* texture, float left,
                                                    float top, float width, float height, Colour colour) {
    DrawLayoutSprite(dictionary, texture, left + width / 2.0f, top + height / 2.0f, width, height, 0.0f,
                     colour);
}

[[gnu::always_inline]] inline void DrawLayoutSprite(menu_art::Texture texture, float centreX, float centreY,
                                                    float width, float height, float rotation,
                                                    Colour colour) {
    DrawLayoutSprite(texture.dictionary, texture.name, centreX, centreY, width, height, rotation, colour);
}

[[gnu::always_inline]] inline void DrawCornerSprite(menu_art::Texture texture, float left, float top,
                                                    float width, float height, Colour colour) {
    DrawCornerSprite(texture.dictionary, texture.name, left, top, width, height, colour);
}

void DrawStyledText(TextPieces text, FontIndex font, Colour colour, TextAlignment alignment, int size,
                    float x, float y, int letterSpacing = 0) {
    DrawText(text, font, colour.red, colour.green, colour.blue, colour.alpha, alignment, size, x, y,
             letterSpacing);
}

void DrawStyledText(std::string_view text, FontIndex font, Colour colour, TextAlignment alignment, int size,
                    float x, float y) {
    DrawStyledText(TextPieces(&text, 1), font, colour, alignment, size, x, y);
}

} // namespace

void PrepareSpriteDraw() {
    NativeInvoker::Invoke(native::PrepareSpriteDraw, 0);
}

void DrawSprite(const char* dictionary, const char* texture, float centreX, float centreY, float width,
                float height, float rotation, int red, int green, int blue, int alpha) {
    NativeInvoker::Invoke(native::DrawSprite, dictionary, texture, centreX, centreY, width, height, rotation,
                          red, green, blue, alpha, 0);
}

namespace {

// Backdrop, banner, separator bar and the scroller with its indicators.
void DrawBackground(const Window& window, const Columns& columns) {
    const bool hiddenAbove = window.first > 0;
    const bool hiddenBelow = window.first + window.visible < window.rows;
    const float lowerTop = RowsBelow(RowBoxTop, window.placesUsed);
    const float rightScrollerLeft = columns.right - columns.scrollerHalf;

    DrawCornerSprite(style.backgroundDictionary.c_str(), style.backgroundTexture.c_str(),
                     columns.backdropLeft, BackdropTop, columns.backdropWidth, BackdropHeight,
                     style.backgroundColour);
    DrawCornerSprite(style.headerDictionary.c_str(), style.headerTexture.c_str(), columns.left, BannerTop,
                     columns.width, BannerHeight, style.headerColour);
    DrawLayoutSprite(menu_art::DescriptionBar, columns.centre, DescriptionBarCentre, columns.width,
                     DescriptionBarHeight, DescriptionBarRotation, style.barColour);

    DrawCornerSprite(menu_art::ScrollerLeftTop, columns.left, UpperScrollerTop, columns.scrollerHalf,
                     ScrollerHeight, White);
    DrawCornerSprite(menu_art::ScrollerRightTop, rightScrollerLeft, UpperScrollerTop, columns.scrollerHalf,
                     ScrollerHeight, White);
    DrawLayoutSprite(hiddenAbove ? menu_art::ScrollerArrowUp : menu_art::ScrollerLineUp, columns.centre,
                     UpperScrollerTop + ScrollerHeight / 2.0f, ScrollerIndicatorWidth, ScrollerHeight, 0.0f,
                     White);

    DrawCornerSprite(menu_art::ScrollerLeftBottom, columns.left, lowerTop, columns.scrollerHalf,
                     ScrollerHeight, White);
    DrawCornerSprite(menu_art::ScrollerRightBottom, rightScrollerLeft, lowerTop, columns.scrollerHalf,
                     ScrollerHeight, White);
    DrawLayoutSprite(hiddenBelow ? menu_art::ScrollerArrowDown : menu_art::ScrollerLineDown, columns.centre,
                     RowsBelow(RowBoxTop + ScrollerHeight / 2.0f, window.placesUsed), ScrollerIndicatorWidth,
                     ScrollerHeight, 0.0f, White);
}

// The frame around the selected row.
void DrawHighlight(const Window& window, const Columns& columns) {
    const std::int64_t slot = window.highlight;
    const float middle = RowsBelow(SlotCentre, slot);
    const float across = columns.width + 2.0f * HighlightEdgeReach;
    const Colour colour = style.highlightColour;
    DrawLayoutSprite(menu_art::HighlightLeft, columns.left - columns.highlightOutside, middle,
                     HighlightSideWidth, HighlightSideHeight, 0.0f, colour);
    DrawLayoutSprite(menu_art::HighlightRight, columns.right + columns.highlightOutside, middle,
                     HighlightSideWidth, HighlightSideHeight, 0.0f, colour);
    DrawLayoutSprite(menu_art::HighlightTop, columns.centre,
                     RowsBelow(SlotCentre - HighlightEdgeFromCentre, slot), across, HighlightEdgeHeight, 0.0f,
                     colour);
    DrawLayoutSprite(menu_art::HighlightBottom, columns.centre,
                     RowsBelow(SlotCentre + HighlightEdgeFromCentre, slot), across, HighlightEdgeHeight, 0.0f,
                     colour);
}

// The submenu's title on the banner and its subtitle beneath.
void DrawTitles(const Submenu& submenu, const Columns& columns) {
    const float centre = columns.centre;
    DrawStyledText(submenu.title, style.titleFont, style.titleColour, TextAlignment::Center, style.titleSize,
                   centre, TitleTop);
    DrawStyledText(submenu.subtitle, style.subtitleFont, style.subtitleColour, TextAlignment::Center,
                   style.subtitleSize, centre, SubtitleTop);
}

// "3 of 6" at the right end of the lower scroller.
void DrawCounter(const Window& window, const Columns& columns) {
    const DecimalText position = Decimal(window.selected + 1);
    const DecimalText rows = Decimal(window.rows);
    const std::string_view counter[] = {position.View(), " of ", rows.View()};
    DrawStyledText(counter, style.rowFont, style.counterColour, TextAlignment::Right, style.counterSize,
                   columns.right, RowsBelow(CounterTop, window.placesUsed), -1);
}

// A list's or number's value, between the arrows while selected.
void DrawValue(std::string_view shown, bool selected, float rightEnd, float lineY, Colour colour) {
    const TextImages& images = TextImagesFor(windowScale);
    const std::string_view arrowed[] = {images.leftArrow, shown, images.rightArrow};
    const TextPieces value = selected ? TextPieces(arrowed) : TextPieces(arrowed + 1, 1);
    DrawStyledText(value, style.rowFont, colour, TextAlignment::Right, style.rowSize, rightEnd, lineY);
}

// What stands at a row's right end: a list's or number's value (between the
// arrows while selected), the tick box, right-hand text, a badge. Inlined
// into the loop over the rows, as the row itself is: fewer instructions in
// every frame than a call.
[[gnu::always_inline]] inline void DrawRightEnd(Option& row, const Columns& columns, std::int64_t slot,
                                                bool selected, Colour colour) {
    const bool badged = !row.badgeTexture.empty();
    const float rightEnd = ValueRightOf(row, columns);
    const float lineY = RowsBelow(RowTextTop, slot);
    if (row.isNumber) {
        // As the target holds it now, whoever changed it.
        ShowNumber(row);
        DrawValue(row.valueText, selected, rightEnd, lineY, colour);
    } else if (row.isList) {
        DrawValue(row.valueText, selected, rightEnd, lineY, colour);
    } else if (row.isTextEntry) {
        ShowTypedValue(row); // its string may have changed since the last frame
    }
    if (row.isToggle) {
        const float tickY = RowsBelow(TickTop, slot);
        const TextImages& images = TextImagesFor(windowScale);
        if (row.toggleTarget != nullptr && *row.toggleTarget) {
            DrawStyledText(images.tick, style.rowFont, colour, TextAlignment::Right, style.rowSize, rightEnd,
                           tickY);
        }
        DrawStyledText(images.tickBox, style.rowFont, colour, TextAlignment::Right, style.rowSize, rightEnd,
                       tickY);
    }
    if (!row.rightText.empty() && !row.isList && !row.isNumber && !row.isToggle) {
        DrawStyledText(row.rightText, style.rowFont, colour, TextAlignment::Right, style.rowSize, rightEnd,
                       lineY);
    }
    if (badged) {
        // The game is handed valid UTF-8 only. A plug-in may set the names
        // at any time, so they are checked in every frame: an ASCII one cheaply.
        MakeValidUtf8(row.badgeDictionary);
        MakeValidUtf8(row.badgeTexture);
        const Colour badgeColour = row.isDisabled ? style.disabledTextColour : White;
        DrawLayoutSprite(row.badgeDictionary.c_str(), row.badgeTexture.c_str(),
                         columns.valueRight - BadgeCentreInside, RowsBelow(SlotCentre, slot), BadgeSize,
                         BadgeSize, 0.0f, badgeColour);
    }
}

// One row in the shown window: box, label, description, and its right end.
// Inlined into the loop over the rows, which works out the window and columns once.
[[gnu::always_inline]] inline void DrawRow(Option& option, std::int64_t row, const Window& window,
                                           const Columns& columns) {
    const std::optional<std::int64_t> shownAt = SlotOf(window, row);
    const bool drawn = shownAt.has_value();
    const std::int64_t slot = shownAt.value_or(0);
    const bool selected = row == window.selected;
    const Colour textColour = option.isDisabled ? style.disabledTextColour
                              : selected        ? style.selectedTextColour
                                                : style.rowTextColour;

    if (drawn) {
        const float labelY = RowsBelow(RowTextTop, slot);
        if (option.isSeparator) {
            const Colour colour = option.isDisabled ? style.disabledTextColour : style.separatorColour;
            DrawStyledText(option.text, style.separatorFont, colour, TextAlignment::Center, style.rowSize,
                           columns.centre, labelY);
        } else {
            DrawLayoutSprite(menu_art::RowBox, columns.centre, RowsBelow(SlotCentre, slot), columns.width,
                             RowBoxHeight, 0.0f, style.rowBoxColour);
            DrawStyledText(option.text, style.rowFont, textColour, TextAlignment::Left, style.rowSize,
                           columns.labelLeft, labelY);
        }
    }
    if (selected && !option.isSeparator) {
        DrawStyledText(option.description, style.descriptionFont, style.descriptionColour,
                       TextAlignment::Center, style.descriptionSize, columns.centre, DescriptionTop);
    }
    if (drawn && (option.isList || option.isToggle || option.isNumber || option.isTextEntry ||
                  !option.rightText.empty() || !option.badgeTexture.empty())) {
        DrawRightEnd(option, columns, slot, selected, textColour);
    }
}

// A row drawn on its own, out of the loop over the window's rows; not
// inlined, so the loop stays the one inlined copy.
[[gnu::noinline]] void DrawRowOutsideTheLoop(Submenu& submenu, std::int64_t row, const Window& window,
                                             const Columns& columns) {
    if (Option* option = RowAt(submenu, static_cast<std::int32_t>(row))) {
        DrawRow(*option, row, window, columns);
    }
}

} // namespace

void Option::Draw() {
    // Where a filter shows the row, if it does.
    const std::optional<std::int32_t> row = ShownPosition(*menuController->currentSubmenu, index);
    if (row) {
        DrawRow(*this, *row, ShownWindow(), ColumnsOf(style));
    }
}

void DrawMenu(Submenu& submenu) {
    const Window window = ShownWindow();
    const Columns columns = ColumnsOf(style);
    DrawBackground(window, columns);
    DrawHighlight(window, columns);
    DrawTitles(submenu, columns);
    DrawCounter(window, columns);
    // Only the window's rows: a page of thousands costs what its shown rows
    // cost. The selected row always lies in it, unless a window of no rows
    // leaves only its description to draw.
    const std::int64_t present = RowCount(submenu);
    const std::int64_t first = window.first;
    const std::int64_t end = std::min(present, first + std::max<std::int64_t>(window.visible, 0));
    if (window.selected >= 0 && window.selected < std::min(first, present)) {
        DrawRowOutsideTheLoop(submenu, window.selected, window, columns);
    }
    // Unfiltered, the rows below `present` are the options themselves.
    const bool filtered = submenu.filter.active;
    for (std::int64_t row = std::max<std::int64_t>(first, 0); row < end; ++row) {
        Option* option = filtered ? RowAt(submenu, static_cast<std::int32_t>(row))
                                  : &submenu.options[static_cast<std::size_t>(row)];
        if (option != nullptr) {
            DrawRow(*option, row, window, columns);
        }
    }
}

} // namespace Menu
