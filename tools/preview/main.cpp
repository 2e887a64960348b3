// Runs the plug-in module in the stand-in host through a session script and
// writes the chosen frames as pictures, a contact sheet of them and the record
// of every native call; prints what the session did and where the files are.
#include "driver/Runner.h"
#include "driver/Screen.h"
#include "session/Play.h"
#include "tools/preview/ContactSheet.h"
#include "tools/preview/OutputFolder.h"
#include "tools/render/PictureOptions.h"
#include "tools/render/PromptBoard.h"
#include "tools/render/PromptStrip.h"
#include "tools/render/Renderer.h"
#include "tools/render/Scene.h"
#include "tools/render/Summary.h"
#include "tools/render/Textures.h"

#include <algorithm>
#include <cctype>
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
    std::string session = QDT_DEFAULT_SESSION;
    std::string out = "preview";
    std::string module = QDT_PLUGIN_MODULE;
    int screenWidth = 1920;
    int screenHeight = 1080;
    int windowWidth = 0; // 0: as wide as the screen
    preview::LookOptions look;
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
    commandline::UseLayout(app);
    app.add_option("--session", options.session, "the session to play")
        ->type_name("FILE")
        ->capture_default_str();
    app.add_option("--out", options.out, "where the pictures and the record go")
        ->type_name("DIR")
        ->capture_default_str();
    preview::AddPictureSizeOption(app, "--screen", options.screenWidth, options.screenHeight,
                                  "the screen the plug-in finds (1920x1080)");
    preview::AddPictureSideOption(app, "--window-width", options.windowWidth,
                                  "the game window's width, when narrower than the screen");
    app.add_option("--module", options.module, "the plug-in module to load")
        ->type_name("FILE")
        ->capture_default_str();
    preview::AddLookOptions(app, options.look);
    return commandline::Parse(app, argc, argv);
}

constexpr std::string_view SheetName = "contact-sheet";

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

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (const std::optional<int> status = ReadOptions(argc, argv, options)) {
        return *status;
    }
    if (options.look.listTextures) {
        preview::ListTextures(std::cout);
        return 0;
    }
    const driver::Screen screen{options.screenWidth, options.screenHeight, options.windowWidth};
    const int windowWidth = screen.WindowWidth();
    const int windowHeight = screen.WindowHeight();

    try {
        preview::LoadedLook look(options.look.textures, options.look.backdrop, std::cerr);
        const std::vector<session::SessionStep> steps = session::LoadSession(options.session);
        for (const session::SessionStep& step : steps) {
            // Also in another case: some file systems would take it for the same file.
            const bool sheetName =
                std::equal(step.name.begin(), step.name.end(), SheetName.begin(), SheetName.end(),
                           [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
            if (step.kind == session::StepKind::Snapshot && sheetName) {
                throw session::SessionError(options.session + ": line " + std::to_string(step.line) +
                                            ": the name " + step.name + " is the contact sheet's");
            }
        }
        preview::OutputFolder out(options.out);
        out.RemoveEarlierFiles();
        const fs::path recordPath = out.File("calls.txt");
        std::ofstream record(recordPath);
        if (!record) {
            throw std::runtime_error("cannot write " + recordPath.string());
        }
        record << "# Native calls of each frame: session " << options.session << ", screen "
               << options.screenWidth << "x" << options.screenHeight << ", game window " << windowWidth << "x"
               << windowHeight
               << ".\n# \"> \" lines are the session's steps, played before the frame below them.\n";

        sim::StandInHook host;
        driver::SetScreen(host, screen);
        driver::Runner runner(host);
        runner.Load(driver::Plugin::Load(options.module));

        std::printf("session %s on %s, game window %dx%d\nwhat happened:\n", options.session.c_str(),
                    options.module.c_str(), windowWidth, windowHeight);
        std::vector<std::string> pictureLines;
        preview::ContactSheet sheet;
        preview::SessionSummary told;
        preview::PromptBoard prompts;
        std::string voice;
        bool anything = false;
        session::SessionObserver observer;
        observer.step = [&](const session::SessionStep& step) {
            record << "> line " << step.line << ": " << step.source << '\n';
            told.Saw(step);
        };
        observer.frame = [&](int number, const session::SessionStep& step, const sim::Frame& frame) {
            record << "== frame " << number << " (" << frame.size() << " native calls)\n";
            WriteCalls(record, frame);
            prompts.Read(frame);
            const preview::FrameSummary summary = told.Next(frame, &step);
            if (!summary.events.empty()) {
                std::printf("  frame %d (line %d: %s): %s\n", number, summary.cause->line,
                            summary.cause->source.c_str(), Joined(summary.events).c_str());
                anything = true;
            }
            voice = summary.voice.empty() ? voice : summary.voice;
        };
        observer.snapshot = [&](const session::SessionStep& step, int number, const sim::Frame& frame) {
            const preview::Scene scene = preview::BuildScene(frame);
            const fs::path path = out.File(step.name + ".png");
            preview::Picture picture = preview::Render(scene, windowWidth, windowHeight, look.Get());
            preview::DrawPrompts(picture, prompts.Shown());
            picture.WritePng(path.string());
            sheet.Add(step.name, picture);
            char line[64];
            std::snprintf(line, sizeof line, "  (frame %d: %d sprites, %d texts)", number, scene.sprites,
                          scene.texts);
            pictureLines.push_back("  " + path.string() + line);
        };

        std::vector<std::string> failures;
        observer.expectation = [&](const session::SessionStep& step,
                                   const std::optional<std::string>& shortfall) {
            if (shortfall) {
                failures.push_back(
                    session::DescribeFailure(options.session, step.line, step.expectation, *shortfall));
            }
        };

        const int frames = session::RunSession(steps, runner, observer);
        runner.Unload();
        record.close();
        if (!record) {
            throw std::runtime_error("cannot write " + recordPath.string());
        }
        if (!anything) {
            std::printf("  (no sound and no voice change in %d frames)\n", frames);
        }
        std::printf("  player voice at the end: %s\n", voice.empty() ? "unchanged" : voice.c_str());

        std::printf("pictures:\n");
        for (const std::string& line : pictureLines) {
            std::printf("%s\n", line.c_str());
        }
        if (sheet.Added() == 0) {
            std::printf("  (the session takes no snapshot)\n");
        } else {
            const fs::path sheetPath = out.File(std::string(SheetName) + ".png");
            sheet.Render().WritePng(sheetPath.string());
            std::printf("  %s  (%d of %d snapshots)\n", sheetPath.string().c_str(), sheet.Shown(),
                        sheet.Added());
        }
        std::printf("record of native calls, frame by frame:\n  %s\n", recordPath.string().c_str());
        for (const std::string& failure : failures) {
            std::fprintf(stderr, "%s\n", failure.c_str());
        }
        if (!failures.empty()) {
            return 1;
        }
    } catch (const session::SessionError& error) {
        // A session that cannot be read or played is a mistake in what was given, as an option is.
        std::fprintf(stderr, "qdt_preview: %s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qdt_preview: %s\n", error.what());
        return 1;
    }
    return 0;
}
