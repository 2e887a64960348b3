// The panel's lines: cut between characters, whatever bytes a plug-in's texts hold.
#include "tools/workbench/Panel.h"
#include "tools/render/Renderer.h"
#include "tools/render/Utf8.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using workbench::FitLine;

// One unit a character, as a fixed-width font would measure it.
double Characters(const std::string& text) {
    double count = 0;
    for (std::size_t at = 0; at < text.size();
         at += std::max<std::size_t>(1, render::Utf8CharacterLength(text, at))) {
        ++count;
    }
    return count;
}

bool WellFormed(const std::string& text) {
    return render::ValidUtf8(text) == text;
}

TEST(PanelTest, ALongLineIsCutBetweenCharactersFromEitherEnd) {
    const std::string title = "Überschrift für die Seite «Größe» ☃☃☃"; // two- and three-byte characters
    const std::string start = FitLine(title, 12, false, Characters);
    EXPECT_EQ(start, "Überschri...");
    const std::string end = FitLine("/home/jürgen/mods/größe/☃☃.so", 12, true, Characters);
    EXPECT_EQ(end, "...öße/☃☃.so");
    for (double width = 0; width < 40; ++width) {
        const std::string cut = FitLine(title, width, false, Characters);
        EXPECT_TRUE(WellFormed(cut)) << width;
        EXPECT_LE(Characters(cut), std::max(width, 4.0)) << width;
        EXPECT_TRUE(WellFormed(FitLine(title, width, true, Characters))) << width;
    }
    EXPECT_EQ(FitLine(title, 100, false, Characters), title) << "a line that fits stays whole";
}

TEST(PanelTest, MalformedBytesShowAsReplacementCharacters) {
    EXPECT_EQ(FitLine("ab\xff\xfe"
                      "cd",
                      100, false, Characters),
              "ab\uFFFD\uFFFDcd");
    EXPECT_EQ(FitLine("caf\xc3", 100, false, Characters), "caf\uFFFD") << "a character cut short";
    EXPECT_EQ(FitLine("\xed\xa0\x80", 100, false, Characters), "\uFFFD\uFFFD\uFFFD") << "a surrogate";
    EXPECT_EQ(FitLine("\xc3\xa9\x80\x80\x80\x80xyz", 5, false, Characters), "\u00e9\uFFFD...");
}

// The drawing library stops drawing on a context after one malformed string.
TEST(PanelTest, TheWholePanelIsDrawnWhateverTheTexts) {
    // A picture of the renderer's, as the workbench draws on: the font caches
    // it makes first are handed back at exit, after the panel's fonts.
    const render::Picture picture = render::Render(render::Drawing{}, 1280, 720);
    const auto cr =
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)>(cairo_create(picture.Surface()), cairo_destroy);
    workbench::PanelContent content;
    content.summary.open = true;
    content.summary.title = std::string(200, 'x') + "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9";
    content.summary.subtitle = "\xff\xfe";
    content.summary.rows = 3;
    content.calls = {"draw_text(\"\xe2\x98\x83\xe2\x98"
                     "\")",
                     std::string(300, 'y') + "\xe2\x98\x83"};
    content.module = "/tmp/\xff.so";
    const workbench::WindowParts parts = workbench::SplitWindow(1280, 720, 1920, 1080);
    workbench::DrawChrome(cr.get(), 1280, 720, parts, content);
    EXPECT_EQ(cairo_status(cr.get()), CAIRO_STATUS_SUCCESS);
}

} // namespace
