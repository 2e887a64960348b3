// Runs the plug-in module in the stand-in host through a session script and
// writes the chosen frames as pictures, with the record of every native call.
#include "sim/Runner.h"
#include "tools/preview/Renderer.h"
#include "tools/preview/Scene.h"
#include "tools/preview/Session.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
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
};

constexpr const char* Usage =
    "usage: qdt_preview [--session FILE] [--out DIR] [--screen WIDTHxHEIGHT] [--window-width N] [--module "
    "FILE]\n"
    "  Plays the session on the plug-in in the stand-in host and writes each snapshot as DIR/NAME.png\n"
    "  and every native call as DIR/calls.txt. The pictures show the game window, which keeps the\n"
    "  screen's proportions; by default it fills the 1920x1080 screen.\n";

// Screens and windows up to 16384 pixels a side: larger pictures are not pictures anyone looks at.
bool ReadSize(const std::string& text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && value >= 16 && value <= 16384;
}

bool ReadScreen(const std::string& text, Options& options) {
    const std::size_t by = text.find('x');
    return by != std::string::npos && ReadSize(text.substr(0, by), options.screenWidth) &&
           ReadSize(text.substr(by + 1), options.screenHeight);
}

bool ReadOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            return false;
        }
        const std::string value = argv[++i];
        if (option == "--session") {
            options.session = value;
        } else if (option == "--out") {
            options.out = value;
        } else if (option == "--module") {
            options.module = value;
        } else if (option == "--screen") {
            if (!ReadScreen(value, options)) {
                return false;
            }
        } else if (option == "--window-width") {
            if (!ReadSize(value, options.windowWidth)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

void WriteCalls(std::ofstream& record, const sim::Frame& frame) {
    for (const std::string& line : sim::Describe(frame)) {
        record << "  " << line << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ReadOptions(argc, argv, options)) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const int windowWidth = options.windowWidth != 0 ? options.windowWidth : options.screenWidth;
    const int windowHeight =
        static_cast<int>(static_cast<long long>(options.screenHeight) * windowWidth / options.screenWidth);

    try {
        const std::vector<preview::SessionStep> steps = preview::LoadSession(options.session);
        const fs::path out = fs::absolute(options.out);
        fs::create_directories(out);
        const fs::path recordPath = out / "calls.txt";
        std::ofstream record(recordPath);
        if (!record) {
            throw std::runtime_error("cannot write " + recordPath.string());
        }
        record << "# Native calls of each frame: session " << options.session << ", screen "
               << options.screenWidth << "x" << options.screenHeight << ", game window " << windowWidth << "x"
               << windowHeight
               << ".\n# \"> \" lines are the session's steps, played before the frame below them.\n";

        sim::Host host;
        host.screenWidth = options.screenWidth;
        host.screenHeight = options.screenHeight;
        host.window->rect = RECT{0, 0, windowWidth, windowHeight};
        sim::Runner runner(host);
        runner.Load(sim::Plugin::Load(options.module));

        std::vector<fs::path> pictures;
        preview::SessionObserver observer;
        observer.step = [&](const preview::SessionStep& step) {
            record << "> line " << step.line << ": " << step.source << '\n';
        };
        observer.frame = [&](int number, const preview::SessionStep&, const sim::Frame& frame) {
            record << "== frame " << number << " (" << frame.size() << " native calls)\n";
            WriteCalls(record, frame);
        };
        observer.snapshot = [&](const preview::SessionStep& step, int number, const sim::Frame& frame) {
            const preview::Scene scene = preview::BuildScene(frame);
            const fs::path path = out / (step.name + ".png");
            preview::Render(scene, windowWidth, windowHeight).WritePng(path.string());
            pictures.push_back(path);
            std::printf("  %s  (frame %d: %d sprites, %d texts)\n", path.string().c_str(), number,
                        scene.sprites, scene.texts);
        };

        std::printf("session %s on %s\npictures:\n", options.session.c_str(), options.module.c_str());
        preview::RunSession(steps, runner, observer);
        runner.Unload();
        record.close();
        if (!record) {
            throw std::runtime_error("cannot write " + recordPath.string());
        }
        if (pictures.empty()) {
            std::printf("  (the session takes no snapshot)\n");
        }
        std::printf("record of native calls:\n  %s\n", recordPath.string().c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qdt_preview: %s\n", error.what());
        return 1;
    }
    return 0;
}
