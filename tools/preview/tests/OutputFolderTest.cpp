// The preview clears only what it wrote itself into its output folder.
#include "tools/preview/OutputFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;
using preview::OutputFolder;

class OutputFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::path(::testing::TempDir()) /
               ("qdt-output-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "out");
    }
    void TearDown() override { fs::remove_all(root); }

    static void Write(const fs::path& path, const std::string& text = "x") { std::ofstream(path) << text; }

    fs::path root;
};

TEST_F(OutputFolderTest, AnEarlierRunsFilesGoAndEveryoneElsesStay) {
    {
        OutputFolder first(root / "out");
        EXPECT_TRUE(first.RemoveEarlierFiles().empty()) << "no manifest yet";
        Write(first.File("01-open.png"));
        Write(first.File("stale.png"));
        Write(first.File("calls.txt"));
    }
    Write(root / "out" / "mine.png");

    OutputFolder second(root / "out");
    EXPECT_EQ(second.RemoveEarlierFiles(),
              (std::vector<std::string>{"01-open.png", "stale.png", "calls.txt"}));
    Write(second.File("01-open.png"));
    EXPECT_TRUE(fs::exists(root / "out" / "mine.png")) << "never listed, never removed";
    EXPECT_FALSE(fs::exists(root / "out" / "stale.png")) << "a snapshot this run does not take";

    OutputFolder third(root / "out");
    EXPECT_EQ(third.RemoveEarlierFiles(), std::vector<std::string>{"01-open.png"})
        << "the manifest lists what the last run wrote, from its first file on";
}

TEST_F(OutputFolderTest, AManifestEntryOutsideTheFolderOrNotAPlainFileIsIgnored) {
    Write(root / "x");
    fs::create_directories(root / "out" / "folder");
    Write(root / "out" / "folder" / "inner.png");
    fs::create_symlink(root / "x", root / "out" / "link.png");
    Write(root / "out" / std::string(OutputFolder::ManifestName),
          "../x\n" + (root / "x").string() + "\nfolder\nfolder/inner.png\nlink.png\n..\n.\n\n" +
              std::string(OutputFolder::ManifestName) + "\n# a comment\nlisted.png\r\n");
    Write(root / "out" / "listed.png");

    OutputFolder folder(root / "out");
    EXPECT_EQ(folder.RemoveEarlierFiles(), std::vector<std::string>{"listed.png"});
    EXPECT_TRUE(fs::exists(root / "x"));
    EXPECT_TRUE(fs::exists(root / "out" / "folder" / "inner.png"));
    EXPECT_TRUE(fs::is_symlink(root / "out" / "link.png")) << "a link is not what the preview wrote";
    EXPECT_TRUE(fs::exists(root / "out" / std::string(OutputFolder::ManifestName)));
}

TEST_F(OutputFolderTest, TheFolderIsMadeWhenMissing) {
    OutputFolder folder(root / "new" / "deeper");
    EXPECT_TRUE(fs::is_directory(root / "new" / "deeper"));
    EXPECT_EQ(folder.File("a.png"), fs::absolute(root / "new" / "deeper" / "a.png"));
}

} // namespace
