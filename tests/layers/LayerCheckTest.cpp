#include "tests/layers/LayerCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using layers::Layers;

namespace {

// A plug-in of three layers by file, and two libraries above it.
constexpr const char* declared = R"(# bottom to top
layer plugin:boundary
layer plugin:menu plugin:boundary
layer plugin:entry plugin:menu
layer driver plugin:boundary
layer tests driver plugin:entry   # tests link both
place lib/Boundary.h plugin:boundary
place menu/ plugin:menu
place lib/ plugin:entry
place driver/ driver
place tests/ tests
)";

Layers Declared() {
    std::istringstream in(declared);
    return Layers::Read(in);
}

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

TEST(LayerCheckTest, AFileIsInItsLongestPlace) {
    const Layers layers = Declared();
    EXPECT_EQ(layers.LayerOf("lib/Boundary.h"), "plugin:boundary");
    EXPECT_EQ(layers.LayerOf("lib/Entry.cpp"), "plugin:entry");
    EXPECT_EQ(layers.LayerOf("menu/deeper/Row.h"), "plugin:menu");
    EXPECT_EQ(layers.LayerOf("menus/Row.h"), "");
}

TEST(LayerCheckTest, ALayerMayIncludeWhatItUsesThroughOthersButNothingAbove) {
    const Layers layers = Declared();
    EXPECT_TRUE(layers.MayInclude("plugin:entry", "plugin:boundary"));
    EXPECT_TRUE(layers.MayInclude("tests", "plugin:menu"));
    EXPECT_TRUE(layers.MayInclude("driver", "driver"));
    EXPECT_FALSE(layers.MayInclude("plugin:menu", "plugin:entry"));
    EXPECT_FALSE(layers.MayInclude("driver", "plugin:menu"));
}

TEST(LayerCheckTest, ADeclarationNamingNoLayerIsRefused) {
    std::istringstream unknownUse("layer a b\n");
    EXPECT_THROW(Layers::Read(unknownUse), std::invalid_argument);
    std::istringstream unknownPlace("layer a\nplace x/ b\n");
    EXPECT_THROW(Layers::Read(unknownPlace), std::invalid_argument);
    std::istringstream garbled("layer a\nplaces x/ a\n");
    EXPECT_THROW(Layers::Read(garbled), std::invalid_argument);
    std::istringstream twice("layer a\nlayer b\nplace x/ a\nplace x/ b\n");
    EXPECT_THROW(Layers::Read(twice), std::invalid_argument);
}

TEST(LayerCheckTest, QuotedIncludesAreFoundWithTheirLines) {
    const auto includes = layers::QuotedIncludes("// #include \"commented.h\"\n"
                                                 "#include <vector>\n"
                                                 "  #  include \"menu/Row.h\" // why\n"
                                                 "#define INCLUDE \"no.h\"\n"
                                                 "#include \"Local.h\"");
    ASSERT_EQ(includes.size(), 2u);
    EXPECT_EQ(includes[0].line, 3);
    EXPECT_EQ(includes[0].written, "menu/Row.h");
    EXPECT_EQ(includes[1].line, 5);
    EXPECT_EQ(includes[1].written, "Local.h");
}

TEST(LayerCheckTest, ATreeIsCheckedIncludeByInclude) {
    const fs::path root = fs::path(testing::TempDir()) / "layer-check-tree";
    fs::remove_all(root);
    Write(root / "lib/Boundary.h", "");
    Write(root / "lib/Entry.h", "#include \"menu/Row.h\"\n");
    Write(root / "menu/Row.h", "#include \"lib/Boundary.h\"\n\n#include \"lib/Entry.h\"\n");
    Write(root / "driver/Run.cpp", "#include \"Run.h\"\n#include \"menu/Row.h\"\n#include \"lib/Gone.h\"\n");
    Write(root / "driver/Run.h", "#include \"lib/Boundary.h\"\n");
    Write(root / "tests/Test.cpp", "#include \"driver/Run.h\"\n#include \"lib/Entry.h\"\n");
    Write(root / "stray/Stray.cpp", "");
    Write(root / "build/CMakeCache.txt", "");
    Write(root / "build/Generated.cpp", "#include \"lib/Entry.h\"\n");

    int files = 0;
    const std::vector<std::string> faults = layers::CheckTree(Declared(), root, files);
    EXPECT_EQ(files, 7);
    const std::vector<std::string> expected = {
        "driver/Run.cpp:2: includes menu/Row.h, which is outside what driver uses (in plugin:menu; driver "
        "uses "
        "plugin:boundary)",
        "driver/Run.cpp:3: includes lib/Gone.h, which is no file of the sources",
        "menu/Row.h:3: includes lib/Entry.h, which is above plugin:menu (in plugin:entry)",
        "stray/Stray.cpp: in no layer: build it in a target, or place it in cmake/Layers.cmake",
    };
    EXPECT_EQ(faults, expected);
    fs::remove_all(root);
}

} // namespace
