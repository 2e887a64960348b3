// One picture of a whole session: its snapshots scaled down in a grid, each
// with its name under it, so the menu's moves read at a glance.
#pragma once

#include "tools/render/Picture.h"

#include <string>
#include <vector>

namespace preview {

class ContactSheet {
  public:
    static constexpr int Columns = 3;
    static constexpr int MaxThumbnails = 36; // twelve rows: a long session shows its start
    static constexpr int Padding = 12;
    // Read at a glance: pictures as wide as this, names whose capitals stand
    // some 17 pixels high in a band of their own under each picture.
    static constexpr int ReadableWidth = 480;
    static constexpr double LabelSize = 24.0;
    static constexpr int LabelHeight = 40;
    static constexpr int LabelBaselineAboveBottom = 11;
    static constexpr render::Pixel Background{34, 34, 34};
    static constexpr render::Pixel LabelColour{230, 230, 230};

    // A narrower thumbnail is for tests that need no reading.
    explicit ContactSheet(int thumbnailWidth = ReadableWidth) : thumbnailWidth_(thumbnailWidth) {}

    // Keeps a scaled-down copy; snapshots past the limit are only counted.
    void Add(const std::string& name, const render::Picture& picture);
    int Added() const { return added_; }
    int Shown() const { return static_cast<int>(thumbnails_.size()); }

    // Columns of thumbnails, row by row in the order added, each above its
    // name. Throws std::logic_error when nothing was added.
    render::Picture Render() const;

  private:
    struct Thumbnail {
        std::string name;
        render::Picture picture;
    };

    int thumbnailWidth_;
    int added_ = 0;
    std::vector<Thumbnail> thumbnails_;
};

} // namespace preview
