// The shipped menu on the screens players have: every frame of the default
// session is the 1920 x 1080 frame scaled by one factor, the screen's height
// / 1080, sprite by sprite and text by text, to within a pixel. Read from
// the record, as the game is handed it, in the pixels of each screen.
#include "driver/Runner.h"
#include "driver/Screen.h"
#include "readback/FrameDrawing.h"
#include "session/Play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using readback::Align;
using readback::Drawing;

std::vector<Drawing> DefaultSessionOn(const driver::Screen& screen) {
    sim::StandInHook host;
    driver::SetScreen(host, screen);
    driver::Runner runner(host);
    runner.Load(driver::Plugin::Load(QDT_PLUGIN_MODULE));
    std::vector<Drawing> drawings;
    session::SessionObserver observer;
    observer.frame = [&](int, const session::SessionStep&, const sim::Frame& frame) {
        drawings.push_back(readback::ReadDrawing(frame, readback::Reading::Strict));
    };
    session::RunSession(session::LoadSession(QDT_DEFAULT_SESSION), runner, observer);
    runner.Unload();
    return drawings;
}

// A drawing in pixels of its screen: its sprites' and then its texts' places and sizes, each in drawing
// order.
struct Measured {
    std::string what;
    std::vector<double> pixels;
};

// Where a text's box anchors it, as the game lays it out: its left end, its
// centre or its right end.
double TextAnchor(const readback::Text& text, double width, double height) {
    switch (text.format.align) {
    case Align::Center:
        return (text.x + 1.0) / 2.0 * width;
    case Align::Right:
        // The margin is in reference pixels.
        return width - text.format.rightMargin * std::max(height, 100.0) / 1080.0;
    default:
        return text.x * width;
    }
}

std::vector<Measured> Measure(const Drawing& drawing, double width, double height) {
    std::vector<Measured> items;
    for (const readback::Sprite& s : drawing.sprites) {
        items.push_back({s.texture, {s.x * width, s.y * height, s.width * width, s.height * height}});
    }
    for (const readback::Text& text : drawing.texts) {
        Measured measured{text.Plain(), {TextAnchor(text, width, height), text.y * height}};
        for (const readback::TextPiece& piece : text.format.pieces) {
            measured.pixels.push_back(piece.font.size);
            if (piece.isImage) {
                measured.pixels.insert(measured.pixels.end(), {piece.width, piece.height});
            }
        }
        items.push_back(measured);
    }
    return items;
}

TEST(ShippedScreensTest, EveryFrameIsThe1080pFrameScaledByTheScreensHeight) {
    const std::vector<Drawing> reference = DefaultSessionOn({});
    ASSERT_GT(reference.size(), 5u);
    const driver::Screen screens[] = {{1280, 720}, {1920, 1200}, {2560, 1440}, {3440, 1440}, {3840, 2160}};
    for (const driver::Screen& screen : screens) {
        SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
        const double scale = screen.height / 1080.0;
        const std::vector<Drawing> drawings = DefaultSessionOn(screen);
        ASSERT_EQ(drawings.size(), reference.size());
        int compared = 0;
        for (std::size_t frame = 0; frame < drawings.size(); ++frame) {
            EXPECT_EQ(drawings[frame].faults, reference[frame].faults) << "frame " << frame;
            const std::vector<Measured> expected = Measure(reference[frame], 1920.0, 1080.0);
            const std::vector<Measured> drawn = Measure(drawings[frame], screen.width, screen.height);
            ASSERT_EQ(drawn.size(), expected.size()) << "frame " << frame;
            for (std::size_t i = 0; i < drawn.size(); ++i) {
                ASSERT_EQ(drawn[i].what, expected[i].what) << "frame " << frame << ", item " << i;
                ASSERT_EQ(drawn[i].pixels.size(), expected[i].pixels.size()) << drawn[i].what;
                for (std::size_t k = 0; k < drawn[i].pixels.size(); ++k) {
                    // Within a pixel: sizes are whole pixels, and the layout's fractional places round.
                    EXPECT_LE(std::abs(drawn[i].pixels[k] - expected[i].pixels[k] * scale), 1.0)
                        << "frame " << frame << ", " << drawn[i].what << ", value " << k;
                    ++compared;
                }
            }
        }
        EXPECT_GT(compared, 500) << "the open menu's frames were compared";
    }
}

} // namespace
