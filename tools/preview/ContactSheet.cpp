#include "tools/preview/ContactSheet.h"

#include "tools/render/Renderer.h"

#include <algorithm>
#include <stdexcept>

namespace preview {

void ContactSheet::Add(const std::string& name, const render::Picture& picture) {
    ++added_;
    if (Shown() >= MaxThumbnails) {
        return;
    }
    const double scale = static_cast<double>(thumbnailWidth_) / picture.Width();
    const int height = std::max(1, static_cast<int>(picture.Height() * scale + 0.5));
    render::Picture thumbnail(thumbnailWidth_, height, Background);
    cairo_t* cr = cairo_create(thumbnail.Surface());
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, picture.Surface(), 0.0, 0.0);
    // GOOD filters over the whole footprint when shrinking, so thin rules survive.
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    thumbnails_.push_back({name, std::move(thumbnail)});
}

render::Picture ContactSheet::Render() const {
    if (thumbnails_.empty()) {
        throw std::logic_error("a contact sheet needs at least one snapshot");
    }
    const int columns = std::min(Shown(), Columns);
    const int rows = (Shown() + columns - 1) / columns;
    int thumbnailHeight = 0;
    for (const Thumbnail& thumbnail : thumbnails_) {
        thumbnailHeight = std::max(thumbnailHeight, thumbnail.picture.Height());
    }
    const int cellHeight = thumbnailHeight + LabelHeight;
    render::Picture sheet(Padding + columns * (thumbnailWidth_ + Padding),
                          Padding + rows * (cellHeight + Padding), Background);
    cairo_t* cr = cairo_create(sheet.Surface());
    for (int i = 0; i < Shown(); ++i) {
        const Thumbnail& thumbnail = thumbnails_[static_cast<std::size_t>(i)];
        const double left = Padding + (i % columns) * (thumbnailWidth_ + Padding);
        const double top = Padding + (i / columns) * (cellHeight + Padding);
        cairo_set_source_surface(cr, thumbnail.picture.Surface(), left, top);
        cairo_paint(cr);

        // A long name is cut at its cell rather than running into the next.
        cairo_save(cr);
        cairo_rectangle(cr, left, top, thumbnailWidth_, cellHeight);
        cairo_clip(cr);
        DrawLabel(cr, thumbnail.name, left + thumbnailWidth_ / 2.0,
                  top + cellHeight - LabelBaselineAboveBottom, LabelSize, LabelColour);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    return sheet;
}

} // namespace preview
