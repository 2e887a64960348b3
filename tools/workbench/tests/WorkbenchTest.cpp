// The workbench on a virtual display (CTest runs this under xvfb-run),
// driven with real key events from xdotool. Its standard output says what
// happened; screenshots say what was drawn.
#include "tests/support/PixelChecks.h"
#include "tools/workbench/Panel.h"

#include <X11/Xlib.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace pixel_checks;

constexpr const char* WindowTitle = "Quorvane Dev Tools workbench";

// Waits for a condition, a few milliseconds at a time, for at most the limit.
bool PollUntil(const std::function<bool()>& done, std::chrono::seconds limit = std::chrono::seconds(15)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The picture from a screenshot file, for the pixel checks of its parts.
Picture LoadPicture(const std::string& path) {
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    EXPECT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS) << path;
    Picture picture(cairo_image_surface_get_width(png), cairo_image_surface_get_height(png), Pixel{});
    cairo_t* cr = cairo_create(picture.Surface());
    cairo_set_source_surface(cr, png, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(png);
    return picture;
}

// What a window manager's close button does: ask the window to close.
void AskWindowToClose(const std::string& title) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    Window root = DefaultRootWindow(display);
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window target = 0;
    XQueryTree(display, root, &root, &parent, &children, &count);
    for (unsigned int i = 0; i < count; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) != 0 && name != nullptr) {
            target = title == name ? children[i] : target;
            XFree(name);
        }
    }
    XFree(children);
    ASSERT_NE(target, 0u) << "no window titled " << title;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
}

class WorkbenchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under xvfb-run";
        folder_ = fs::temp_directory_path() / ("qdt_workbench_test." + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }

    void TearDown() override {
        if (controller_ != nullptr) {
            std::fclose(controller_);
        }
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (!HasFailure()) {
            fs::remove_all(folder_);
        } else {
            std::printf("workbench output:\n%s\nkept in %s\n", Output().c_str(), folder_.c_str());
        }
    }

    // With a virtual controller, Play writes its lines to the workbench's standard input.
    void Start(const std::string& module, bool virtualController = false) {
        int lines[2] = {-1, -1};
        ASSERT_EQ(pipe(lines), 0);
        pid_ = fork();
        ASSERT_GE(pid_, 0);
        if (pid_ == 0) {
            std::freopen((folder_ / "stdout.txt").c_str(), "w", stdout);
            std::freopen((folder_ / "stderr.txt").c_str(), "w", stderr);
            dup2(lines[0], STDIN_FILENO);
            close(lines[1]);
            execl(QDT_WORKBENCH, QDT_WORKBENCH, module.c_str(), "--out", folder_.c_str(),
                  virtualController ? "--virtual-controller" : nullptr, nullptr);
            _exit(127);
        }
        close(lines[0]);
        controller_ = fdopen(lines[1], "w");
        ASSERT_FALSE(WaitForLine("opened ").empty()) << Output();
        // Key events go to the focused window; without a window manager nothing else focuses it.
        const std::string focus = std::string("timeout 15 xdotool search --sync --name '^") + WindowTitle +
                                  "$' windowfocus --sync > /dev/null";
        ASSERT_EQ(std::system(focus.c_str()), 0);
    }

    std::string Output() const { return ReadFile(folder_ / "stdout.txt"); }

    // The next line starting with prefix after the ones already read; empty when none came in time.
    std::string WaitForLine(const std::string& prefix) {
        std::string found;
        PollUntil([&] {
            const std::string output = Output();
            for (std::size_t at = read_; at < output.size();) {
                const std::size_t end = output.find('\n', at);
                if (end == std::string::npos) {
                    return false; // a line still being written
                }
                const std::string line = output.substr(at, end - at);
                at = end + 1;
                if (line.rfind(prefix, 0) == 0) {
                    found = line;
                    read_ = at;
                    return true;
                }
            }
            return false;
        });
        return found;
    }

    void Key(const std::string& key) {
        ASSERT_EQ(std::system(("timeout 15 xdotool key " + key).c_str()), 0) << key;
    }

    void Play(const std::string& line) {
        std::fprintf(controller_, "%s\n", line.c_str());
        std::fflush(controller_);
        // The workbench plays a line a frame; a pause keeps the test's pace near the player's.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

    // xdotool's mouse command (move, click 1, click 3, click 5) on the workbench's window.
    void Mouse(const std::string& command) {
        ASSERT_EQ(std::system(("timeout 15 xdotool " + command).c_str()), 0) << command;
    }

    // The mouse onto the middle of a row box's slot (from 0) in the picture,
    // which the workbench places in its window as SplitWindow says.
    void PointAtSlot(int slot) {
        const std::string geometry = folder_ / "geometry.txt";
        ASSERT_EQ(std::system((std::string("timeout 15 xdotool search --name '^") + WindowTitle +
                               "$' getwindowgeometry --shell > " + geometry)
                                  .c_str()),
                  0);
        const std::string shell = ReadFile(geometry);
        const auto value = [&shell](const std::string& name) {
            const std::size_t at = shell.find(name + "=");
            return at == std::string::npos ? 0 : std::atoi(shell.c_str() + at + name.size() + 1);
        };
        const workbench::WindowParts parts =
            workbench::SplitWindow(value("WIDTH"), value("HEIGHT"), 1920, 1080);
        const double rowMiddle = (270.0 + slot * 1080.0 * 0.051) / 1080.0;
        const int x = parts.pictureX + static_cast<int>(200.0 / 1920.0 * parts.pictureWidth);
        const int y = parts.pictureY + static_cast<int>(rowMiddle * parts.pictureHeight);
        Mouse(std::string("mousemove --window $(xdotool search --name '^") + WindowTitle +
              "$' | head -n 1) " + std::to_string(x) + " " + std::to_string(y));
    }

    Picture Screenshot() {
        Key("F12");
        const std::string line = WaitForLine("screenshot ");
        EXPECT_FALSE(line.empty()) << Output();
        return LoadPicture(line.substr(std::string("screenshot ").size()));
    }

    // Exits by itself within the limit; its status.
    int ExitStatus() {
        int status = -1;
        const bool exited = PollUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; });
        EXPECT_TRUE(exited) << "the workbench did not exit";
        if (exited) {
            pid_ = 0;
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    bool Alive() const { return kill(pid_, 0) == 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }

    // Replaces the watched file as a build's final rename does.
    void Replace(const fs::path& watched, const fs::path& with) {
        fs::copy_file(with, folder_ / "incoming", fs::copy_options::overwrite_existing);
        fs::rename(folder_ / "incoming", watched);
    }

    fs::path folder_;
    std::FILE* controller_ = nullptr;
    pid_t pid_ = 0;
    std::size_t read_ = 0;
};

// The prompts' strip: the bottom right corner, away from the menu. Counts
// the pixels that are not the world's, or that differ from another picture's.
int InkBottomRight(const Picture& picture, const Picture* other = nullptr) {
    int count = 0;
    for (int y = picture.Height() - 100; y < picture.Height(); ++y) {
        for (int x = picture.Width() / 2; x < picture.Width(); ++x) {
            count += picture.At(x, y) == (other != nullptr ? other->At(x, y) : render::WorldColour) ? 0 : 1;
        }
    }
    return count;
}

TEST_F(WorkbenchTest, KeysOpenAndMoveTheMenuAndClosingTheWindowExitsCleanly) {
    Start(QDT_FIXTURE_MODULE);
    const Picture closed = Screenshot();
    EXPECT_TRUE(NoHighlightAround(closed, 0, 1080));
    EXPECT_EQ(InkBottomRight(closed), 0) << "no prompts while the menu is closed";

    Key("F8");
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Workbench Fixture' / 'Main page' row 1 of 6") << Output();
    const Picture open = Screenshot();
    EXPECT_TRUE(HighlightAround(open, 0, 1080));
    EXPECT_TRUE(NoHighlightAround(open, 1, 1080));
    EXPECT_GT(InkBottomRight(open), 0) << "the open menu's prompts, bottom right";

    Key("Down");
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Workbench Fixture' / 'Main page' row 2 of 6") << Output();
    const Picture moved = Screenshot();
    EXPECT_TRUE(NoHighlightAround(moved, 0, 1080));
    EXPECT_TRUE(HighlightAround(moved, 1, 1080));

    // What was played, recorded: the preview plays it to the same picture, and its expectations hold.
    Key("F9");
    const std::string recorded = WaitForLine("session ");
    ASSERT_FALSE(recorded.empty()) << Output();
    const fs::path replayed = folder_ / "replayed";
    const std::string preview = std::string(QDT_PREVIEW) + " --module " + QDT_FIXTURE_MODULE + " --session " +
                                recorded.substr(std::string("session ").size()) + " --out " +
                                replayed.string() + " > " + (folder_ / "preview.txt").string() + " 2>&1";
    EXPECT_EQ(std::system(preview.c_str()), 0) << ReadFile(folder_ / "preview.txt");
    EXPECT_TRUE(HighlightAround(LoadPicture((replayed / "workbench-3.png").string()), 1, 1080))
        << ReadFile(folder_ / "preview.txt");

    // The controller: the chord closes the menu, as F8 would.
    Key("g");
    Key("c");
    EXPECT_EQ(WaitForLine("menu: "), "menu: closed") << Output();

    AskWindowToClose(WindowTitle);
    EXPECT_EQ(ExitStatus(), 0);
    EXPECT_NE(Output().find("\nstats: "), std::string::npos) << Output();
}

TEST_F(WorkbenchTest, AControllerPluggedInOpensWithTheChordMovesSelectsAVoiceAndGoesBack) {
    Start(QDT_FIXTURE_MODULE, true);
    Play("plug");
    EXPECT_EQ(WaitForLine("controller: "), "controller: added Virtual Controller") << Output();
    for (const char* line : {"press rightshoulder", "press a", "release a", "release rightshoulder"}) {
        Play(line);
    }
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Workbench Fixture' / 'Main page' row 1 of 6") << Output();
    for (const char* line : {"axis lefty 32767", "axis lefty 0", "press dpdown", "release dpdown"}) {
        Play(line);
    }
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Workbench Fixture' / 'Main page' row 2 of 6") << Output();
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Workbench Fixture' / 'Main page' row 3 of 6") << Output();
    EXPECT_TRUE(HighlightAround(Screenshot(), 2, 1080));
    Play("press a");
    Play("release a");
    EXPECT_EQ(WaitForLine("voice: "), "voice: FIXTURE_VOICE_3") << Output();
    Play("press b");
    Play("release b");
    EXPECT_EQ(WaitForLine("menu: "), "menu: closed") << Output();
    Play("unplug");
    EXPECT_EQ(WaitForLine("controller: "), "controller: removed Virtual Controller") << Output();

    Key("Escape");
    EXPECT_EQ(ExitStatus(), 0);
}

TEST_F(WorkbenchTest, ReplacedModuleIsReloadedAndABrokenOneLeavesTheWorkbenchWaiting) {
    const fs::path watched = folder_ / "plugin.so";
    fs::copy_file(QDT_FIXTURE_MODULE, watched);
    Start(watched.string());
    Key("F8");
    ASSERT_EQ(WaitForLine("menu: "), "menu: open 'Workbench Fixture' / 'Main page' row 1 of 6") << Output();
    const Picture open = Screenshot();

    // The input so far, replayed on the other module, opens its own main page.
    Replace(watched, QDT_OTHER_MODULE);
    EXPECT_EQ(WaitForLine("reloaded "), "reloaded " + watched.string()) << Output();
    EXPECT_FALSE(WaitForLine("kept the place: ").empty()) << Output();
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Other Module' / 'Reloaded Page' row 1 of 4") << Output();
    const Picture reloaded = Screenshot();
    EXPECT_TRUE(HighlightAround(reloaded, 0, 1080));
    EXPECT_EQ(InkBottomRight(reloaded, &open), 0) << "the prompts the new module made in a replayed frame";

    // Written in place as a linker writes: empty, then short, each held past
    // the settling time. The running module goes on until the file is whole.
    const std::size_t writing = Output().size();
    std::ifstream built(QDT_FIXTURE_MODULE, std::ios::binary);
    const std::string whole{std::istreambuf_iterator<char>(built), {}};
    for (const std::size_t size : {std::size_t{0}, whole.size() / 2, whole.size()}) {
        std::ofstream(watched, std::ios::binary | std::ios::trunc) << whole.substr(0, size);
        std::this_thread::sleep_for(std::chrono::milliseconds(size < whole.size() ? 400 : 0));
    }
    EXPECT_EQ(WaitForLine("reloaded "), "reloaded " + watched.string()) << Output();
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Workbench Fixture' / 'Main page' row 1 of 6") << Output();
    const std::string whileWritten = Output().substr(writing, read_ - writing);
    EXPECT_EQ(whileWritten.find("error: "), std::string::npos) << whileWritten;
    EXPECT_EQ(whileWritten.find("menu: closed"), std::string::npos) << whileWritten;

    // Written in place, not renamed: the loader's error, and the window stays.
    std::ofstream(watched, std::ios::trunc) << std::string(4096, '#');
    const std::string error = WaitForLine("error: ");
    EXPECT_NE(error.find(watched.string()), std::string::npos) << error;
    EXPECT_NE(error.find("invalid ELF header"), std::string::npos) << error;
    EXPECT_EQ(WaitForLine("menu: "), "menu: closed") << Output();
    Key("F8");
    EXPECT_TRUE(NoHighlightAround(Screenshot(), 0, 1080)); // nothing runs, and the window answers
    EXPECT_TRUE(Alive());

    // What was played while nothing ran is not replayed.
    Replace(watched, QDT_FIXTURE_MODULE);
    EXPECT_EQ(WaitForLine("reloaded "), "reloaded " + watched.string()) << Output();
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Workbench Fixture' / 'Main page' row 1 of 6") << Output();
    Key("F8");
    EXPECT_EQ(WaitForLine("menu: "), "menu: closed") << Output();
    Key("F9");
    const std::string session = WaitForLine("session ");
    ASSERT_FALSE(session.empty()) << Output();
    const std::string recorded = ReadFile(session.substr(std::string("session ").size()));
    EXPECT_NE(recorded.find("\nsnapshot workbench-1\n"), std::string::npos) << recorded;
    EXPECT_TRUE(recorded.ends_with("\nexpect menu closed\n")) << recorded;

    Key("Escape");
    EXPECT_EQ(ExitStatus(), 0);
}

// The example module turns the mouse on and has a text row: the real mouse
// over the picture points, clicks, scrolls and goes back, and the game's
// keyboard takes typed keys; a recorded session plays it all again.
TEST_F(WorkbenchTest, TheMousePointsAndClicksAndTheGamesKeyboardTakesTypedText) {
    Start(QDT_EXAMPLE_MODULE);
    Key("F8");
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Quorvane Dev Tools' / 'Main Menu' row 1 of 7") << Output();
    // A cursor that moves before the open menu has read it once is one at
    // rest, and selects nothing: give the menu some frames to read it first.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    PointAtSlot(2);
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Quorvane Dev Tools' / 'Main Menu' row 3 of 7") << Output();
    Key("Up Up Up"); // to the last row: the link
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Quorvane Dev Tools' / 'Main Menu' row 2 of 7") << Output();
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Quorvane Dev Tools' / 'Main Menu' row 1 of 7") << Output();
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Quorvane Dev Tools' / 'Main Menu' row 7 of 7") << Output();
    Key("Return");
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Example' / 'Example page' row 1 of 10") << Output();

    PointAtSlot(1); // where the cursor rested on the page left selects nothing here
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Example' / 'Example page' row 2 of 10") << Output();
    PointAtSlot(2); // the text row
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Example' / 'Example page' row 3 of 10") << Output();
    Mouse("click 1");
    EXPECT_EQ(WaitForLine("keyboard: "), "keyboard: open") << Output();
    Key("BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace");
    ASSERT_EQ(std::system("timeout 15 xdotool type --delay 30 Sadie"), 0);
    Key("Return");
    EXPECT_EQ(WaitForLine("keyboard: "), "keyboard: closed") << Output();

    Mouse("click 5"); // the wheel, a notch down: over the heading to the clock
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Example' / 'Example page' row 5 of 10") << Output();
    Key("F9");
    const std::string recorded = WaitForLine("session ");
    ASSERT_FALSE(recorded.empty()) << Output();
    const std::string sessionPath = recorded.substr(std::string("session ").size());
    const std::string session = ReadFile(sessionPath);
    EXPECT_NE(session.find("\ntype \"Sadie\"\nkeyboard done\n"), std::string::npos) << session;
    EXPECT_NE(session.find("\npress mouse-left\n"), std::string::npos) << session;
    EXPECT_NE(session.find("\npoint at "), std::string::npos) << session;
    EXPECT_TRUE(session.ends_with("expect row \"Read the clock\"\n")) << session;
    const std::string preview = std::string(QDT_PREVIEW) + " --module " + QDT_EXAMPLE_MODULE + " --session " +
                                sessionPath + " --out " + (folder_ / "replayed").string() + " > " +
                                (folder_ / "preview.txt").string() + " 2>&1";
    EXPECT_EQ(std::system(preview.c_str()), 0) << ReadFile(folder_ / "preview.txt");

    // The page scrolled to its end: the cursor selects within the rows shown,
    // which stay where they are, so a click acts on the row pointed at.
    Key("Down Down Down"); // over a heading to "Camp": rows 4 to 9 are shown
    for (const char* row : {"6", "7", "9"}) {
        EXPECT_EQ(WaitForLine("menu: "),
                  std::string("menu: open 'Example' / 'Example page' row ") + row + " of 10")
            << Output();
    }
    PointAtSlot(0); // the heading: nothing to select
    PointAtSlot(2);
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Example' / 'Example page' row 6 of 10") << Output();
    Mouse("click 1");
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Example' / 'Second page' row 1 of 1") << Output();
    Mouse("click 3"); // the right button: Back
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Example' / 'Example page' row 6 of 10") << Output();

    Mouse("click 3");
    EXPECT_EQ(WaitForLine("menu: "), "menu: open 'Quorvane Dev Tools' / 'Main Menu' row 7 of 7") << Output();
    Key("Escape");
    EXPECT_EQ(ExitStatus(), 0);
}

} // namespace
