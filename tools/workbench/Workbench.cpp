#include "tools/workbench/Workbench.h"

#include "driver/Screen.h"
#include "session/Session.h"

#include "tools/render/GameOverlays.h"
#include "tools/render/PromptStrip.h"
#include "tools/render/Renderer.h"
#include "tools/render/Summary.h"
#include "tools/workbench/CrashReport.h"
#include "tools/workbench/FrameComparison.h"
#include "tools/workbench/PageId.h"
#include "tools/workbench/RecordedSession.h"
#include "tools/workbench/ShownPage.h"

#include "readback/MenuState.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <thread>

namespace workbench {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

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

// No vertical sync to wait for on every display: the frames pace themselves.
// A frame that ran late starts the count again instead of hurrying the next.
void WaitForNextFrame(Clock::time_point& next, Clock::duration period) {
    next += period;
    const Clock::time_point now = Clock::now();
    if (next < now - period) {
        next = now;
    } else {
        std::this_thread::sleep_until(next);
    }
}

} // namespace

Workbench::Workbench(const Options& options, SDL_Renderer* renderer)
    : options_(options), renderer_(renderer), gameFolder_(options.gameFolder), runner_(host_, 0),
      live_(runner_), watch_(options.module, std::chrono::milliseconds(100)),
      textures_(renderer, options.screenWidth, options.screenHeight),
      look_(options.look.textures, options.look.backdrop, std::cerr) {
    driver::SetScreen(host_, {options.screenWidth, options.screenHeight});
    // The module's own name, not its private copy's: its settings file is its own.
    gameFolder_.Place(host_, options.module);
    clockBase_ = host_.tickCount;
    content_.module = options.module;
    if (options.virtualController) {
        virtualGamepad_.emplace();
    }
    // The game keeps them across reloads, as it keeps everything else.
    if (!options.answers.empty()) {
        for (const session::SessionStep& step : session::LoadAnswers(options.answers)) {
            session::Teach(host_.game, step.answer);
        }
    }
}

Workbench::~Workbench() {
    live_.Unload();
}

void Workbench::SetClock() {
    host_.tickCount = clockBase_ + static_cast<std::uint32_t>(MillisecondsSince(start_));
}

void Workbench::SetStatus(StatusKind kind, const std::string& text) {
    content_.statusKind = kind;
    content_.status = text;
    chromeDirty_ = true;
}

void Workbench::Load(bool first) {
    const FileSignature signature = first ? ReadSignature(options_.module) : watch_.Current();
    watch_.Accept(signature);
    keyFrame_.reset(); // what the next module shows first answers no key
    const std::string error = live_.Replace(options_.module);
    if (!error.empty()) {
        log_.Pause(true); // what is played with nothing loaded reaches no module
        std::printf("error: %s\n", error.c_str());
        SetStatus(StatusKind::Error, error + " (waiting for the file to change)");
        return;
    }
    prompts_ = {}; // a new module makes its prompts anew
    std::printf("%s %s\n", first ? "opened" : "reloaded", options_.module.c_str());
    SetStatus(first ? StatusKind::Info : StatusKind::Good,
              (first ? "opened " : "reloaded ") + options_.module);
    KeepPlace(first);
    if (!first) {
        reloadChangedNs_ = signature.changedNs;
    }
}

void Workbench::KeepPlace(bool first) {
    if (first || !options_.keepPlace || log_.Full()) {
        if (!first && log_.Full()) {
            SetStatus(StatusKind::Info, content_.status + "; the input log passed " +
                                            std::to_string(InputLog::MaxFrames) +
                                            " frames, so the menu starts afresh");
        }
        log_.Restart();
        return;
    }
    MarkPluginFrame(true); // a crash in a replayed frame is the plug-in's too
    const ReplayResult replay =
        Replay(log_, runner_, host_.tickCount, [this](const sim::Frame& frame) { prompts_.Read(frame); });
    MarkPluginFrame(false);
    log_.Pause(false);
    const ShownPage summary = Summarize(render::ReadDrawing(host_.recorder.Last()));
    const Place replayed{summary, ReadPageId(live_.MenuControllerSlot(), summary)};
    std::printf("kept the place: %d frames replayed in %.0f ms\n", replay.frames, replay.milliseconds);
    const std::string change = DescribePlaceChange(shownPlace_, replayed);
    SetStatus(change.empty() ? StatusKind::Good : StatusKind::Info,
              content_.status + (change.empty() ? ", back where it was" : "; " + change));
}

// The game picture drawn again when the frame shows something else: its
// drawing, the prompts, or what the game draws on its own (the cursor, the
// keyboard's box), which change without a drawing call changing.
void Workbench::DrawPicture(const sim::Frame& frame, const render::Drawing& drawing) {
    std::vector<render::ShownPrompt> prompts = prompts_.Shown();
    const std::optional<readback::ScreenPlace> cursor = render::ShownCursor(frame);
    std::string overlays = typing_ ? "typing " + *typing_ : "";
    if (cursor) {
        overlays += " cursor " + std::to_string(cursor->x) + " " + std::to_string(cursor->y);
    }
    if (options_.redraw || !picture_ || !SameDrawing(frame, drawn_) || prompts != promptsDrawn_ ||
        overlays != overlaysDrawn_) {
        const Clock::time_point renderStart = Clock::now();
        picture_.emplace(render::Render(drawing, options_.screenWidth, options_.screenHeight, look_.Get()));
        render::DrawPrompts(*picture_, prompts);
        render::DrawKeyboard(*picture_, host_.game.keyboard);
        if (cursor) {
            render::DrawCursor(*picture_, *cursor);
        }
        overlaysDrawn_ = std::move(overlays);
        promptsDrawn_ = std::move(prompts);
        const double renderMs = MillisecondsSince(renderStart);
        stats_.renderMs.Add(renderMs);
        content_.renderMs = renderMs;
        drawn_ = frame;
        pictureNew_ = true;
    }
}

void Workbench::RunFrame() {
    host_.recorder.Clear(); // the record keeps only the frame being shown
    input_.Deliver();
    const Clock::time_point before = Clock::now();
    const std::uint32_t tickCount = host_.tickCount;
    MarkPluginFrame(true);
    const sim::Frame& frame = runner_.RunFrame();
    MarkPluginFrame(false);
    log_.Frame(tickCount);
    const double pluginMs = MillisecondsSince(before);

    stats_.pluginMs.Add(pluginMs);
    content_.pluginMs = pluginMs;
    // A voice applied shows in no picture: said on standard output, for scripts and tests.
    if (const std::string voice = render::SummariseFrame(frame).voice; !voice.empty()) {
        std::printf("voice: %s\n", voice.c_str());
    }
    const render::Drawing drawing = render::ReadDrawing(frame);
    prompts_.Read(frame);
    FollowKeyboard();
    DrawPicture(frame, drawing);

    const ShownPage summary = Summarize(drawing);
    const std::optional<int> pageId = ReadPageId(live_.MenuControllerSlot(), summary);
    if (live_.Loaded()) {
        shownPlace_ = {summary, pageId};
    }
    const std::string pageIdText = pageId ? std::to_string(*pageId) : "";
    if (pageIdText != content_.pageId) {
        content_.pageId = pageIdText;
        chromeDirty_ = true;
    }
    if (!(summary == content_.summary)) {
        std::printf("menu: %s\n", Describe(summary).c_str());
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
    content_.controller = gamepads_.Name();
    content_.buttons = input_.LastButtons();
}

void Workbench::Show() {
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    const Layout layout = LayOut(width, height, options_.screenWidth, options_.screenHeight);

    const Clock::time_point start = Clock::now();
    if (textures_.FitChrome(width, height)) {
        chromeDirty_ = true;
    }
    // The panel's timings change every frame; once a second is all anyone can read.
    const bool chromeDue = chromeDirty_ || start - chromeDrawn_ > std::chrono::seconds(1);
    if (!chromeDue && !pictureNew_ && !options_.redraw) {
        return; // the window shows this frame already
    }
    if (chromeDue) {
        content_.calls = sim::Describe(host_.recorder.Last());
        cairo_t* cr = cairo_create(textures_.ChromeSurface());
        DrawChrome(cr, width, height, layout, content_);
        cairo_destroy(cr);
        textures_.UploadChrome();
        chromeDirty_ = false;
        chromeDrawn_ = start;
    }
    if (pictureNew_ || options_.redraw) {
        textures_.UploadGame(picture_->Surface());
        pictureNew_ = false;
    }
    textures_.Present({layout.pictureX, layout.pictureY, layout.pictureWidth, layout.pictureHeight});
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
        log_.Snapshot(path.stem().string());
        SetStatus(StatusKind::Info, "screenshot " + path.string());
    } catch (const std::exception& error) {
        std::printf("error: %s\n", error.what());
        SetStatus(StatusKind::Error, error.what());
    }
}

void Workbench::Record() {
    recordAsked_ = false;
    if (log_.Full()) {
        const std::string error = "the input log passed " + std::to_string(InputLog::MaxFrames) +
                                  " frames and no longer says how the menu got here: nothing recorded";
        std::printf("error: %s\n", error.c_str());
        SetStatus(StatusKind::Error, error);
        return;
    }
    const fs::path path =
        fs::absolute(options_.record.empty() ? fs::path(options_.out) /
                                                   ("workbench-" + std::to_string(++recordings_) + ".session")
                                             : fs::path(options_.record));
    const std::string header = "played in qdt_workbench, " + std::to_string(log_.Frames()) +
                               " frames since the module was loaded fresh; to play it again:\n" +
                               "qdt_preview --module " + options_.module + " --session " + path.string();
    const std::string text = WriteSession(log_, readback::ReadMenu(host_.recorder.Last()), header);
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::printf("error: cannot write %s\n", path.string().c_str());
        SetStatus(StatusKind::Error, "cannot write " + path.string());
        return;
    }
    std::printf("session %s\n", path.string().c_str());
    SetStatus(StatusKind::Info, "session " + path.string());
}

void Workbench::FollowModule() {
    switch (watch_.Poll(Clock::now())) {
    case ModuleChange::Ready:
        Load(false);
        break;
    case ModuleChange::BeingWritten: // the running module goes on meanwhile
        SetStatus(StatusKind::Info, "waiting for " + options_.module + " to be written whole (" +
                                        std::to_string(watch_.Current().size) + " bytes so far)");
        break;
    case ModuleChange::None:
        break;
    }
}

int Workbench::Run() {
    // Typed text is taken only while the game's keyboard is open.
    SDL_StopTextInput();
    start_ = Clock::now();
    SetClock();
    Load(true);
    const auto period = std::chrono::nanoseconds(1000000000 / 60);
    Clock::time_point next = Clock::now();
    const Clock::time_point first = next;
    while (!quit_) {
        SetClock();
        if (virtualGamepad_) {
            virtualGamepad_->Play();
        }
        HandleEvents();
        if (quit_) {
            break;
        }
        FollowModule();
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
        if (recordAsked_) {
            Record();
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
        WaitForNextFrame(next, period);
    }
    if (!options_.record.empty()) {
        Record();
    }
    std::printf("closed\n%s\n", stats_.Line().c_str());
    return 0;
}

} // namespace workbench
