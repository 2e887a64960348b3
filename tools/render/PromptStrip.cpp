#include "tools/render/PromptStrip.h"

#include "tools/render/Renderer.h"

#include <algorithm>
#include <numbers>

namespace render {
namespace {

using Sizes = PromptStripLook;

void RoundedBox(cairo_t* cr, double left, double top, double right, double bottom, double radius) {
    constexpr double Quarter = std::numbers::pi / 2.0;
    cairo_new_sub_path(cr);
    cairo_arc(cr, right - radius, top + radius, radius, -Quarter, 0.0);
    cairo_arc(cr, right - radius, bottom - radius, radius, 0.0, Quarter);
    cairo_arc(cr, left + radius, bottom - radius, radius, Quarter, 2.0 * Quarter);
    cairo_arc(cr, left + radius, top + radius, radius, 2.0 * Quarter, 3.0 * Quarter);
    cairo_close_path(cr);
}

double Channel(int value) {
    return value / 255.0;
}

} // namespace

std::vector<PromptPlace> PlacePrompts(const std::vector<ShownPrompt>& prompts, int width, int height) {
    const double scale = height / Sizes::LayoutHeight;
    std::vector<PromptPlace> places;
    double x = 0.0;
    for (const ShownPrompt& prompt : prompts) {
        PromptPlace place;
        const double keyWidth = LabelWidth(prompt.key, Sizes::KeySize * scale, true);
        place.capLeft = x;
        place.capRight = x + std::max(Sizes::CapHeight * scale, keyWidth + 2.0 * Sizes::CapPadding * scale);
        place.textLeft = place.capRight + Sizes::CapToText * scale;
        place.textRight = place.textLeft + LabelWidth(prompt.text, Sizes::TextSize * scale);
        x = place.textRight + Sizes::BetweenPrompts * scale;
        places.push_back(place);
    }
    // Moved as one so that the last text ends at the right margin.
    const double shift = places.empty() ? 0.0 : width - Sizes::RightMargin * scale - places.back().textRight;
    const double middle = height - Sizes::CentreAboveBottom * scale;
    for (PromptPlace& place : places) {
        for (double* edge : {&place.capLeft, &place.capRight, &place.textLeft, &place.textRight}) {
            *edge += shift;
        }
        place.capTop = middle - Sizes::CapHeight * scale / 2.0;
        place.capBottom = middle + Sizes::CapHeight * scale / 2.0;
    }
    return places;
}

void DrawPrompts(Picture& picture, const std::vector<ShownPrompt>& prompts) {
    if (prompts.empty()) {
        return;
    }
    const double scale = picture.Height() / Sizes::LayoutHeight;
    const std::vector<PromptPlace> places = PlacePrompts(prompts, picture.Width(), picture.Height());
    cairo_t* cr = cairo_create(picture.Surface());
    for (std::size_t i = 0; i < prompts.size(); ++i) {
        const PromptPlace& place = places[i];
        const double middle = (place.capTop + place.capBottom) / 2.0;
        RoundedBox(cr, place.capLeft, place.capTop, place.capRight, place.capBottom,
                   Sizes::CapRadius * scale);
        cairo_set_source_rgb(cr, Channel(Sizes::CapColour.red), Channel(Sizes::CapColour.green),
                             Channel(Sizes::CapColour.blue));
        cairo_fill(cr);

        const double keySize = Sizes::KeySize * scale;
        const double keyWidth = LabelWidth(prompts[i].key, keySize, true);
        // Centred on the cap by the height of capitals above the baseline.
        DrawLabelFrom(cr, prompts[i].key, (place.capLeft + place.capRight - keyWidth) / 2.0,
                      middle + Sizes::CapitalsOfSize * keySize / 2.0, keySize, Sizes::KeyColour, true);
        const double textSize = Sizes::TextSize * scale;
        const double baseline = middle + Sizes::CapitalsOfSize * textSize / 2.0;
        const double shadow = std::max(1.0, scale);
        DrawLabelFrom(cr, prompts[i].text, place.textLeft + shadow, baseline + shadow, textSize,
                      Sizes::ShadowColour);
        DrawLabelFrom(cr, prompts[i].text, place.textLeft, baseline, textSize, Sizes::TextColour);
    }
    cairo_destroy(cr);
}

} // namespace render
