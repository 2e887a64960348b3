// A live window on the plug-in: the module runs in the stand-in host, one
// script frame per shown frame, with desktop keys delivered as the game
// would; the module file is watched and reloaded whenever it is replaced.
#include "driver/Runner.h"
#include "driver/Screen.h"
#include "tools/preview/CommandLine.h"
#include "tools/preview/Renderer.h"
#include "tools/workbench/FrameSummary.h"
#include "tools/workbench/GameInput.h"
#include "tools/workbench/LiveModule.h"
#include "tools/workbench/ModuleWatch.h"
#include "tools/workbench/PageId.h"
#include "tools/workbench/Panel.h"
#include "tools/workbench/Stats.h"

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using workbench::StatusKind;

struct Options {
    std::string module = QDT_PLUGIN_MODULE;
    std::string out = ".";
    int screenWidth = 1920;
    int screenHeight = 1080;
    int windowWidth = 1800;
    int windowHeight = 760;
    int frames = 0;      // 0: until closed
    bool redraw = false; // draw and show every frame, also when it repeats the last
};

constexpr const char* Usage =
    "usage: qdt_workbench [MODULE] [--out DIR] [--screen WIDTHxHEIGHT] [--window WIDTHxHEIGHT] [--frames N]\n"
    "                    [--redraw]\n"
    "  Runs the plug-in MODULE (by default the one built with this program) in the stand-in host, in a\n"
    "  window, about 60 frames a second, and reloads it whenever the file is replaced.\n"
    "  Keys: F8 and Shift reach the plug-in's keyboard handler; the arrows, Enter (Select) and Backspace\n"
    "  (Back) are the game's menu controls; G switches between keyboard and controller; C presses the\n"
    "  controller chord; F12 writes a screenshot of the game screen into DIR (default: the current folder);\n"
    "  Escape or closing the window quits. --frames N quits by itself after N frames. A frame that draws\n"
    "  what the last one drew is not drawn again, unless --redraw (for measuring).\n"
    "  Standard output gets one line per event (opened, reloaded, error, menu, screenshot) and the\n"
    "  figures at the end (stats).\n";

enum class Parsed { Run, Help, Wrong };

Parsed ReadOptions(int argc, char** argv, Options& options) {
    bool moduleNamed = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            return Parsed::Help;
        }
        if (option == "--redraw") {
            options.redraw = true;
            continue;
        }
        if (option.rfind("--", 0) != 0) {
            if (moduleNamed) {
                return Parsed::Wrong;
            }
            options.module = option;
            moduleNamed = true;
            continue;
        }
        if (i + 1 >= argc) {
            return Parsed::Wrong;
        }
        const std::string value = argv[++i];
        bool good = true;
        if (option == "--out") {
            options.out = value;
        } else if (option == "--screen") {
            good = preview::ReadPictureSize(value, options.screenWidth, options.screenHeight);
        } else if (option == "--window") {
            good = preview::ReadPictureSize(value, options.windowWidth, options.windowHeight);
        } else if (option == "--frames") {
            good = preview::ReadWholeNumber(value, options.frames, 1, 100000000);
        } else {
            good = false;
        }
        if (!good) {
            return Parsed::Wrong;
        }
    }
    return Parsed::Run;
}

// A crash inside the plug-in takes the process with it, as it would take the
// game; at least the developer learns where it happened.
std::atomic<bool> inPluginFrame{false};

void OnCrash(int signal) {
    const char* message = inPluginFrame
                              ? "crash: the plug-in crashed during a frame; the workbench ends with it\n"
                              : "crash: the workbench crashed\n";
    [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, message, std::strlen(message));
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Same calls with the same arguments draw the same picture. Answers are left
// out (a query's result draws nothing by itself), and so is where a text
// lives: the game makes a new string handle for the same text every frame.
bool SameCall(const sim::NativeCall& a, const sim::NativeCall& b) {
    if (a.hash != b.hash || a.texts != b.texts || a.args.size() != b.args.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.args.size(); ++i) {
        const bool text = i < a.texts.size() && !a.texts[i].empty();
        if (!text && a.args[i] != b.args[i]) {
            return false;
        }
    }
    return true;
}

bool SameDrawing(const sim::Frame& a, const sim::Frame& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameCall);
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Wall-clock time of the file's last change: a rename changes only the
// inode's status time, a rewrite changes both.
double SystemMillisecondsSince(std::int64_t changedNs) {
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    return static_cast<double>(now - changedNs) / 1e6;
}

struct Textures {
    SDL_Texture* game = nullptr;
    SDL_Texture* chrome = nullptr;
    cairo_surface_t* chromeSurface = nullptr;
    int width = 0;
    int height = 0;
};

void Upload(SDL_Texture* texture, cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    SDL_UpdateTexture(texture, nullptr, cairo_image_surface_get_data(surface),
                      cairo_image_surface_get_stride(surface));
}

class Workbench {
  public:
    Workbench(const Options& options, SDL_Renderer* renderer)
        : options_(options), renderer_(renderer), runner_(host_, 0), live_(runner_),
          watch_(options.module, std::chrono::milliseconds(100)), input_(runner_) {
        sim::SetScreen(host_, {options.screenWidth, options.screenHeight});
        clockBase_ = host_.tickCount;
        textures_.game = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                           options.screenWidth, options.screenHeight);
        content_.module = options.module;
    }

    ~Workbench() {
        live_.Unload();
        SDL_DestroyTexture(textures_.game);
        DropChrome();
    }

    int Run();

  private:
    void SetClock() { host_.tickCount = clockBase_ + static_cast<std::uint32_t>(MillisecondsSince(start_)); }
    void Load(bool first);
    void HandleEvents();
    void RunFrame();
    void Show();
    void Screenshot();
    void DropChrome();
    void SetStatus(StatusKind kind, const std::string& text) {
        content_.statusKind = kind;
        content_.status = text;
        chromeDirty_ = true;
    }

    const Options& options_;
    SDL_Renderer* renderer_;
    sim::Host host_;
    sim::Runner runner_;
    workbench::LiveModule live_;
    workbench::ModuleWatch watch_;
    workbench::GameInput input_;
    workbench::PanelContent content_;
    workbench::Stats stats_;
    Textures textures_;
    std::optional<preview::Picture> picture_;
    sim::Frame drawn_;        // the calls of the frame the picture shows
    bool pictureNew_ = false; // not yet on the window
    Clock::time_point start_ = Clock::now();
    Clock::time_point chromeDrawn_{};
    std::uint32_t clockBase_ = 0;
    bool quit_ = false;
    bool chromeDirty_ = true;
    bool screenshotAsked_ = false;
    int screenshots_ = 0;
    std::optional<std::int64_t> reloadChangedNs_; // until the new module's first frame is shown
    std::optional<int> keyFrame_;                 // the frame a key awaits its effect from
    Clock::time_point secondStart_ = Clock::now();
    int secondFrames_ = 0;
};

void Workbench::Load(bool first) {
    const workbench::FileSignature signature =
        first ? workbench::ReadSignature(options_.module) : watch_.Current();
    watch_.Accept(signature);
    keyFrame_.reset(); // what the next module shows first answers no key
    const std::string error = live_.Replace(options_.module);
    if (!error.empty()) {
        std::printf("error: %s\n", error.c_str());
        SetStatus(StatusKind::Error, error + " (waiting for the file to change)");
        return;
    }
    std::printf("%s %s\n", first ? "opened" : "reloaded", options_.module.c_str());
    SetStatus(first ? StatusKind::Info : StatusKind::Good,
              (first ? "opened " : "reloaded ") + options_.module);
    if (!first) {
        reloadChangedNs_ = signature.changedNs;
    }
}

void Workbench::HandleEvents() {
    for (SDL_Event event; SDL_PollEvent(&event) != 0;) {
        if (event.type == SDL_QUIT) {
            quit_ = true;
        } else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            DropChrome();
        } else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            chromeDirty_ = true;
        } else if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
            const bool down = event.type == SDL_KEYDOWN;
            const bool repeat = event.key.repeat != 0;
            const workbench::KeyBinding binding = workbench::BindingFor(event.key.keysym.sym);
            if (binding.role == workbench::KeyRole::Quit && down) {
                quit_ = true;
            } else if (binding.role == workbench::KeyRole::Screenshot && down && !repeat) {
                screenshotAsked_ = true;
            } else if (input_.Key(binding, down, repeat)) {
                chromeDirty_ = true;
                // The keys whose effect the summary shows: F8's release, a move, the chord.
                const bool visible =
                    (binding.code == sim::KeyF8 && !down) ||
                    (binding.role == workbench::KeyRole::Control && down &&
                     (event.key.keysym.sym == SDLK_UP || event.key.keysym.sym == SDLK_DOWN)) ||
                    (binding.role == workbench::KeyRole::Chord && !down);
                if (visible && live_.Loaded()) {
                    keyFrame_ = stats_.frames;
                }
            }
        }
    }
}

void Workbench::RunFrame() {
    host_.recorder.Clear(); // the record keeps only the frame being shown
    input_.Deliver();
    const Clock::time_point before = Clock::now();
    inPluginFrame = true;
    const sim::Frame& frame = runner_.RunFrame();
    inPluginFrame = false;
    const double pluginMs = MillisecondsSince(before);

    stats_.pluginMs.Add(pluginMs);
    content_.pluginMs = pluginMs;
    const preview::Scene scene = preview::BuildScene(frame);
    if (options_.redraw || !picture_ || !SameDrawing(frame, drawn_)) {
        const Clock::time_point renderStart = Clock::now();
        picture_.emplace(preview::Render(scene, options_.screenWidth, options_.screenHeight));
        const double renderMs = MillisecondsSince(renderStart);
        stats_.renderMs.Add(renderMs);
        content_.renderMs = renderMs;
        drawn_ = frame;
        pictureNew_ = true;
    }

    const workbench::FrameSummary summary = workbench::Summarize(scene);
    const std::optional<int> pageId = workbench::ReadPageId(live_.MenuControllerSlot(), summary);
    const std::string pageIdText = pageId ? std::to_string(*pageId) : "";
    if (pageIdText != content_.pageId) {
        content_.pageId = pageIdText;
        chromeDirty_ = true;
    }
    if (!(summary == content_.summary)) {
        std::printf("menu: %s\n", workbench::Describe(summary).c_str());
        content_.summary = summary;
        chromeDirty_ = true;
        if (keyFrame_) {
            stats_.keyFrames.Add(stats_.frames - *keyFrame_ + 1);
            keyFrame_.reset();
        }
    } else if (keyFrame_ && stats_.frames - *keyFrame_ > 30) {
        keyFrame_.reset(); // a key that changed nothing visible (a move in a one-row page)
    }
    content_.gamepad = host_.game.gamepad;
}

void Workbench::DropChrome() {
    if (textures_.chrome != nullptr) {
        SDL_DestroyTexture(textures_.chrome);
        cairo_surface_destroy(textures_.chromeSurface);
    }
    textures_.chrome = nullptr;
    textures_.chromeSurface = nullptr;
    chromeDirty_ = true;
}

void Workbench::Show() {
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    const workbench::Layout layout =
        workbench::LayOut(width, height, options_.screenWidth, options_.screenHeight);

    const Clock::time_point start = Clock::now();
    if (textures_.chrome == nullptr || textures_.width != width || textures_.height != height) {
        DropChrome();
        textures_.chrome =
            SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
        textures_.chromeSurface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
        textures_.width = width;
        textures_.height = height;
    }
    // The panel's timings change every frame; once a second is all anyone can read.
    const bool chromeDue = chromeDirty_ || start - chromeDrawn_ > std::chrono::seconds(1);
    if (!chromeDue && !pictureNew_ && !options_.redraw) {
        return; // the window shows this frame already
    }
    if (chromeDue) {
        content_.calls = sim::Describe(host_.recorder.Last());
        cairo_t* cr = cairo_create(textures_.chromeSurface);
        workbench::DrawChrome(cr, width, height, layout, content_);
        cairo_destroy(cr);
        Upload(textures_.chrome, textures_.chromeSurface);
        chromeDirty_ = false;
        chromeDrawn_ = start;
    }
    if (pictureNew_ || options_.redraw) {
        Upload(textures_.game, picture_->Surface());
        pictureNew_ = false;
    }
    SDL_RenderCopy(renderer_, textures_.chrome, nullptr, nullptr);
    const SDL_Rect target{layout.pictureX, layout.pictureY, layout.pictureWidth, layout.pictureHeight};
    SDL_RenderCopy(renderer_, textures_.game, nullptr, &target);
    SDL_RenderPresent(renderer_);
    stats_.presentMs.Add(MillisecondsSince(start));
}

void Workbench::Screenshot() {
    screenshotAsked_ = false;
    const fs::path path =
        fs::absolute(fs::path(options_.out) / ("workbench-" + std::to_string(++screenshots_) + ".png"));
    try {
        fs::create_directories(path.parent_path());
        picture_->WritePng(path.string());
        std::printf("screenshot %s\n", path.string().c_str());
        SetStatus(StatusKind::Info, "screenshot " + path.string());
    } catch (const std::exception& error) {
        std::printf("error: %s\n", error.what());
        SetStatus(StatusKind::Error, error.what());
    }
}

int Workbench::Run() {
    start_ = Clock::now();
    SetClock();
    Load(true);
    const auto period = std::chrono::nanoseconds(1000000000 / 60);
    Clock::time_point next = Clock::now();
    const Clock::time_point first = next;
    while (!quit_) {
        SetClock();
        HandleEvents();
        if (quit_) {
            break;
        }
        if (watch_.Poll(Clock::now())) {
            Load(false);
        }
        SetClock();
        RunFrame();
        Show();
        if (reloadChangedNs_) {
            const double ms = SystemMillisecondsSince(*reloadChangedNs_);
            stats_.reloadMs.Add(ms);
            std::printf("reload shown %.0f ms after the file changed\n", ms);
            reloadChangedNs_.reset();
        }
        if (screenshotAsked_) {
            Screenshot();
        }
        ++stats_.frames;
        ++secondFrames_;
        if (Clock::now() - secondStart_ >= std::chrono::seconds(1)) {
            content_.framesPerSecond =
                secondFrames_ / std::chrono::duration<double>(Clock::now() - secondStart_).count();
            secondStart_ = Clock::now();
            secondFrames_ = 0;
        }
        stats_.seconds = std::chrono::duration<double>(Clock::now() - first).count();
        if (options_.frames > 0 && stats_.frames >= options_.frames) {
            break;
        }
        // No vertical sync to wait for on every display: the frames pace themselves.
        next += period;
        const Clock::time_point now = Clock::now();
        if (next < now - period) {
            next = now;
        } else {
            std::this_thread::sleep_until(next);
        }
    }
    std::printf("closed\n%s\n", stats_.Line().c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    switch (ReadOptions(argc, argv, options)) {
    case Parsed::Help:
        std::fputs(Usage, stdout);
        return 0;
    case Parsed::Wrong:
        std::fputs(Usage, stderr);
        return 2;
    case Parsed::Run:
        break;
    }
    // Whoever reads the events reads them as they happen, also through a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        std::signal(signal, OnCrash);
    }

    // Without a desktop SDL would settle for an invisible driver and run on unseen.
    const bool desktop = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr ||
                         std::getenv("SDL_VIDEODRIVER") != nullptr;
    if (!desktop) {
        std::fprintf(
            stderr,
            "qdt_workbench: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        return 1;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "qdt_workbench: no display to open a window on (%s)\n", SDL_GetError());
        return 1;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // Two pictures copied to the window a frame need no graphics card; a
    // software OpenGL (a virtual display, a remote desktop) would be slower.
    // SDL_RENDER_DRIVER in the environment still chooses.
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_Window* window =
        SDL_CreateWindow("Quorvane Dev Tools workbench", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         options.windowWidth, options.windowHeight, SDL_WINDOW_RESIZABLE);
    SDL_Renderer* renderer = window != nullptr ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    if (renderer == nullptr) {
        std::fprintf(stderr, "qdt_workbench: cannot open a window (%s)\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    int status = 1;
    try {
        Workbench workbench(options, renderer);
        status = workbench.Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qdt_workbench: %s\n", error.what());
    }
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return status;
}
