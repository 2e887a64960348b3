// The modder's textures and backdrop: PNG files made here with Cairo, drawn
// where the menu draws the sprites they stand for.
#include "tools/render/Textures.h"

#include "MenuRecord.h"
#include "tests/support/PixelChecks.h"
#include "tools/render/Renderer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace pixel_checks;

// A PNG whose pixel (x, y) of width x height is colour(x, y).
void WritePng(const fs::path& path, int width, int height, const std::function<Pixel(int, int)>& colour) {
    fs::create_directories(path.parent_path());
    Picture picture(width, height, {});
    cairo_t* cr = cairo_create(picture.Surface());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Pixel p = colour(x, y);
            cairo_set_source_rgb(cr, p.red / 255.0, p.green / 255.0, p.blue / 255.0);
            cairo_rectangle(cr, x, y, 1, 1);
            cairo_fill(cr);
        }
    }
    cairo_destroy(cr);
    picture.WritePng(path.string());
}

class TexturesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("qdt-textures-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

TEST_F(TexturesTest, TheMenuDrawsATextureTintedWhereItsSpriteStandsAndKeepsStandInsForTheRest) {
    WritePng(folder / "menu_textures/crafting_highlight_l.png", 4, 12, [](int, int) {
        return Pixel{200, 180, 90};
    });
    std::ostringstream warnings;
    render::TextureFolder textures(folder, warnings);
    menu_record::Menu menu;
    menu.rows = {"first", "second"};
    const render::Drawing drawing = render::ReadDrawing(menu_record::OpenMenu(menu));
    const Picture once = render::Render(drawing, 1920, 1080, {&textures, nullptr});
    const Picture twice = render::Render(drawing, 1920, 1080, {&textures, nullptr});

    // The highlight is red (255, 0, 0): only the texture's red is left. The row
    // box covers the piece's right part, from x = 92.
    const double centre = SlotCentre(0, 1080) - 20;
    EXPECT_TRUE(Near(At(twice, HighlightX(0) - 8, centre), Pixel{200, 0, 0}))
        << "the whole width is the texture's";
    EXPECT_TRUE(Near(At(twice, HighlightX(0) + 3, centre), Pixel{200, 0, 0}));
    EXPECT_TRUE(IsRed(At(twice, HighlightX(1), centre))) << "the right piece keeps its stand-in";
    EXPECT_FALSE(Near(At(twice, HighlightX(0) - 12, centre), Pixel{200, 0, 0})) << "nothing beyond its width";

    const std::string named = warnings.str();
    const std::string right = "menu_textures/crafting_highlight_r.png";
    ASSERT_NE(named.find(right), std::string::npos) << named;
    EXPECT_EQ(named.find(right), named.rfind(right)) << "named once, however often drawn:\n" << named;
    EXPECT_EQ(named.find("crafting_highlight_l"), std::string::npos) << named;
}

TEST_F(TexturesTest, ASpriteTurnsItsTextureWithItAndTheBackdropFillsTheWindow) {
    // Left half green, right half blue; behind it a backdrop of red over yellow.
    WritePng(folder / "dict/halves.png", 8, 8, [](int x, int) {
        return x < 4 ? Pixel{0, 255, 0} : Pixel{0, 0, 255};
    });
    WritePng(folder / "backdrop.png", 3, 2, [](int, int y) {
        return y == 0 ? Pixel{255, 0, 0} : Pixel{255, 255, 0};
    });
    std::ostringstream warnings;
    render::TextureFolder textures(folder, warnings);
    render::LoadedLook look("", (folder / "backdrop.png").string(), warnings);

    render::Drawing drawing;
    drawing.sprites.push_back(
        render::Sprite{"dict", "halves", 0.5f, 0.5f, 0.25f, 0.5f, 180.0f, {255, 255, 255, 255}});
    drawing.order = "s";
    const Picture picture = render::Render(drawing, 200, 100, {&textures, look.Get().backdrop});
    EXPECT_TRUE(Near(picture.At(80, 50), Pixel{0, 0, 255}))
        << "turned half round, the blue half is on the left";
    EXPECT_TRUE(Near(picture.At(120, 50), Pixel{0, 255, 0}));
    EXPECT_TRUE(Near(picture.At(10, 10), Pixel{255, 0, 0})) << "the backdrop scaled to the window";
    EXPECT_TRUE(Near(picture.At(190, 90), Pixel{255, 255, 0}));

    EXPECT_THROW(render::LoadedLook("", (folder / "dict").string(), warnings), std::runtime_error)
        << "a backdrop that is no PNG is an error, not a plain picture";
}

} // namespace
