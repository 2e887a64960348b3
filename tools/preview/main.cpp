// Runs the plug-in module in the stand-in host through a session script and
// writes the chosen frames as pictures, a contact sheet of them and the record
// of every native call; prints what the session did and where the files are.
#include "driver/GameFolder.h"
#include "driver/Runner.h"
#include "driver/Screen.h"
#include "session/Play.h"
#include "session/SettingsOnDisk.h"
#include "session/Words.h"
#include "tools/cli/DefaultFile.h"
#include "tools/preview/ContactSheet.h"
#include "tools/preview/OutputFolder.h"
#include "tools/render/GameOverlays.h"
#include "tools/render/PictureOptions.h"
#include "tools/render/PromptBoard.h"
#include "tools/render/PromptStrip.h"
#include "tools/render/ReadFrame.h"
#include "tools/render/Renderer.h"
#include "tools/render/Summary.h"
#include "tools/render/Textures.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Options {
    std::string session = cli::FindDefaultFile(QDT_INSTALLED_SESSION, QDT_DEFAULT_SESSION).path;
    std::string answers; // answer lines the session starts with
    std::string out = "preview";
    std::string module = cli::FindDefaultFile(QDT_INSTALLED_PLUGIN_MODULE, QDT_PLUGIN_MODULE).path;
    std::string gameFolder; // empty: a fresh one for this run
    int screenWidth = 1920;
    int screenHeight = 1080;
    int windowWidth = 0; // 0: as wide as the screen
    render::LookOptions look;
};

// Reads the command line into options; an exit status when the program is to stop there.
std::optional<int> ReadOptions(int argc, char** argv, Options& options) {
    CLI::App app("Plays the session on the plug-in in the stand-in host, prints what happened (the menu\n"
                 "opened, moved, applied a voice, closed) and writes each snapshot as DIR/NAME.png, all of\n"
                 "them on one picture as DIR/contact-sheet.png, and every native call of every frame as\n"
                 "DIR/calls.txt. The pictures show the game window, which keeps the screen's proportions;\n"
                 "by default it fills the 1920x1080 screen. First it removes the files its last run wrote\n"
                 "in DIR (listed in DIR/qdt_preview-files.txt), and no others.",
                 "qdt_preview");
    cli::UseHelpFormat(app);
    app.add_option("--session", options.session, "the session to play")
        ->type_name("FILE")
        ->capture_default_str();
    app.add_option("--answers", options.answers, "the answer lines the session starts with (a mod's natives)")
        ->type_name("FILE");
    app.add_option("--out", options.out, "where the pictures and the record go")
        ->type_name("DIR")
        ->capture_default_str();
    render::AddPictureSizeOption(app, "--screen", options.screenWidth, options.screenHeight,
                                 "the screen the plug-in finds (1920x1080)");
    render::AddPictureSideOption(app, "--window-width", options.windowWidth,
                                 "the game window's width, when narrower than the screen");
    app.add_option("--module", options.module, "the plug-in module to load")
        ->type_name("FILE")
        ->capture_default_str();
    app.add_option("--game-folder", options.gameFolder,
                   "the game's folder, where the plug-in keeps its settings (NAME.ini); by default a fresh "
                   "one, removed at the end")
        ->type_name("DIR");
    render::AddLookOptions(app, options.look);
    return cli::Parse(app, argc, argv);
}

constexpr std::string_view SheetName = "contact-sheet";

// Also in another case: some file systems would take it for the same file.
void RejectSheetName(const std::vector<session::SessionStep>& steps, const std::string& session) {
    for (const session::SessionStep& step : steps) {
        if (step.kind == session::StepKind::Snapshot && session::Lowered(step.name) == SheetName) {
            throw session::SessionError(session + ": line " + std::to_string(step.line) + ": the name " +
                                        step.name + " is the contact sheet's");
        }
    }
}

std::ofstream OpenRecord(const fs::path& path, const Options& options, const driver::Screen& screen) {
    std::ofstream record(path);
    if (!record) {
        throw std::runtime_error("cannot write " + path.string());
    }
    record << "# Native calls of each frame: session " << options.session << ", screen "
           << options.screenWidth << "x" << options.screenHeight << ", game window " << screen.WindowWidth()
           << "x" << screen.WindowHeight()
           << ".\n# \"> \" lines are the session's steps, played before the frame below them.\n";
    return record;
}

void WriteCalls(std::ofstream& record, const sim::Frame& frame) {
    for (const std::string& line : sim::Describe(frame)) {
        record << "  " << line << '\n';
    }
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

// One play of the session: the record written as it goes, what happened
// printed, the snapshots drawn, the expectations that failed kept.
class PreviewRun {
  public:
    PreviewRun(const Options& options, const driver::Screen& screen, preview::OutputFolder& out,
               const render::Look& look, std::ofstream& record, const sim::Game& game)
        : options_(options), screen_(screen), out_(out), look_(look), record_(record), game_(game) {}

    session::SessionObserver Observer() {
        session::SessionObserver observer;
        observer.step = [this](const session::SessionStep& step) { Step(step); };
        observer.frame = [this](int number, const session::SessionStep& step, const sim::Frame& frame) {
            Frame(number, step, frame);
        };
        observer.snapshot = [this](const session::SessionStep& step, int number, const sim::Frame& frame) {
            Snapshot(step, number, frame);
        };
        observer.expectation = [this](const session::SessionStep& step,
                                      const std::optional<std::string>& shortfall) {
            if (shortfall) {
                failures_.push_back(session::DescribeStepFailure(options_.session, step, *shortfall));
            }
        };
        return observer;
    }

    // After "what happened:" and the frames' lines.
    void PrintTheEnd(int frames) const {
        if (!anything_) {
            std::printf("  (no sound and no voice change in %d frames)\n", frames);
        }
        std::printf("  player voice at the end: %s\n", voice_.empty() ? "unchanged" : voice_.c_str());
    }

    void WritePictures() {
        std::printf("pictures:\n");
        for (const std::string& line : pictureLines_) {
            std::printf("%s\n", line.c_str());
        }
        if (sheet_.Added() == 0) {
            std::printf("  (the session takes no snapshot)\n");
            return;
        }
        const fs::path sheetPath = out_.File(std::string(SheetName) + ".png");
        sheet_.Render().WritePng(sheetPath.string());
        std::printf("  %s  (%d of %d snapshots)\n", sheetPath.string().c_str(), sheet_.Shown(),
                    sheet_.Added());
    }

    const std::vector<std::string>& Failures() const { return failures_; }
    int FramesRun() const { return framesRun_; }

  private:
    void Step(const session::SessionStep& step) {
        record_ << "> line " << step.line << ": " << step.source << '\n';
        told_.Saw(step);
    }

    void Frame(int number, const session::SessionStep& step, const sim::Frame& frame) {
        framesRun_ = number + 1;
        record_ << "== frame " << number << " (" << frame.size() << " native calls)\n";
        WriteCalls(record_, frame);
        prompts_.Read(frame);
        const render::FrameEvents summary = told_.Next(frame, &step);
        if (!summary.events.empty()) {
            std::printf("  frame %d (line %d: %s): %s\n", number, summary.cause->line,
                        summary.cause->source.c_str(), Joined(summary.events).c_str());
            anything_ = true;
        }
        voice_ = summary.voice.empty() ? voice_ : summary.voice;
    }

    void Snapshot(const session::SessionStep& step, int number, const sim::Frame& frame) {
        const render::Drawing drawing = render::ReadDrawing(frame);
        const fs::path path = out_.File(step.name + ".png");
        render::Picture picture =
            render::Render(drawing, screen_.WindowWidth(), screen_.WindowHeight(), look_);
        render::DrawPrompts(picture, prompts_.Shown());
        // What the game draws over the frame on its own.
        render::DrawKeyboard(picture, game_.keyboard);
        if (const auto cursor = render::ShownCursor(frame)) {
            render::DrawCursor(picture, *cursor);
        }
        picture.WritePng(path.string());
        sheet_.Add(step.name, picture);
        char line[64];
        std::snprintf(line, sizeof line, "  (frame %d: %zu sprites, %zu texts)", number,
                      drawing.sprites.size(), drawing.texts.size());
        pictureLines_.push_back("  " + path.string() + line);
    }

    const Options& options_;
    const driver::Screen& screen_;
    preview::OutputFolder& out_;
    render::Look look_;
    std::ofstream& record_;
    const sim::Game& game_;
    std::vector<std::string> pictureLines_;
    preview::ContactSheet sheet_;
    render::SessionSummary told_;
    render::PromptBoard prompts_;
    std::string voice_;
    bool anything_ = false;
    int framesRun_ = 0;
    std::vector<std::string> failures_;
};

// Plays the session and writes what it made; the program's exit status.
int Preview(const Options& options) {
    const driver::Screen screen{options.screenWidth, options.screenHeight, options.windowWidth};
    render::LoadedLook look(options.look.textures, options.look.backdrop, std::cerr);
    std::vector<session::SessionStep> steps =
        options.answers.empty() ? std::vector<session::SessionStep>{} : session::LoadAnswers(options.answers);
    const std::vector<session::SessionStep> script = session::LoadSession(options.session);
    steps.insert(steps.end(), script.begin(), script.end());
    RejectSheetName(steps, options.session);
    preview::OutputFolder out(options.out);
    out.RemoveEarlierFiles();
    const fs::path recordPath = out.File("calls.txt");
    std::ofstream record = OpenRecord(recordPath, options, screen);

    sim::StandInHook host;
    driver::SetScreen(host, screen);
    const driver::GameFolder folder(options.gameFolder);
    folder.Place(host, options.module);
    driver::Runner runner(host);
    runner.Load(driver::Plugin::Load(options.module));

    std::printf("session %s on %s, game window %dx%d\nwhat happened:\n", options.session.c_str(),
                options.module.c_str(), screen.WindowWidth(), screen.WindowHeight());
    PreviewRun run(options, screen, out, look.Get(), record, host.game);
    // A step that cannot be played (a row not drawn to point at) ends the
    // session there; what it played so far is still written.
    std::optional<std::string> mistake;
    try {
        session::RunSession(steps, runner, run.Observer());
    } catch (const session::SessionError& error) {
        mistake = options.session + ": " + error.what();
    }
    const int frames = run.FramesRun();
    runner.Unload();
    record.close();
    if (!record) {
        throw std::runtime_error("cannot write " + recordPath.string());
    }
    run.PrintTheEnd(frames);
    run.WritePictures();
    std::printf("record of native calls, frame by frame:\n  %s\n", recordPath.string().c_str());
    for (const std::string& failure : run.Failures()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
    }
    if (mistake) {
        // A mistake in what was given, as one found reading the session is.
        std::fprintf(stderr, "qdt_preview: %s\n", mistake->c_str());
        return 2;
    }
    return run.Failures().empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (const std::optional<int> status = ReadOptions(argc, argv, options)) {
        return *status;
    }
    if (options.look.listTextures) {
        render::ListTextures(std::cout);
        return 0;
    }
    try {
        return Preview(options);
    } catch (const session::SessionError& error) {
        // A session that cannot be read or played is a mistake in what was given, as an option is.
        std::fprintf(stderr, "qdt_preview: %s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qdt_preview: %s\n", error.what());
        return 1;
    }
}
