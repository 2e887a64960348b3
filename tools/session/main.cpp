// Runs the plug-in module in the stand-in host through a short scripted
// session and prints the native calls of each frame.
#include "menu/Prompts.h"
#include "sim/Runner.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

constexpr std::uint32_t DownControl = 0x4403f97f;

void PrintFrame(const char* what, int number, const sim::Frame& frame) {
    std::printf("\n== frame %d: %s (%zu native calls)\n", number, what, frame.size());
    for (const std::string& line : sim::Describe(frame)) {
        std::printf("  %s\n", line.c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string module = argc > 1 ? argv[1] : QDT_PLUGIN_MODULE;
    try {
        sim::Host host;
        sim::Runner runner(host);
        std::printf("plug-in module: %s\n", module.c_str());
        runner.Load(sim::Plugin::Load(module));
        for (const std::string& line : host.hookLog) {
            std::printf("host: %s\n", line.c_str());
        }

        int number = 0;
        const auto frame = [&](const char* what) { PrintFrame(what, number++, runner.RunFrame()); };

        frame("start-up and first frame");
        frame("menu closed");
        runner.KeyDown(sim::KeyF8);
        runner.Advance(40);
        runner.KeyUp(sim::KeyF8);
        frame("F8 released: the menu opens");
        for (int i = 0; i < 3; ++i) {
            host.game.PressControl(DownControl);
            frame("down");
            host.game.ReleaseControl(DownControl);
            frame("down released");
        }
        host.game.PressControl(Menu::SelectControl);
        frame("Select pressed");
        host.game.ReleaseControl(Menu::SelectControl);
        frame("Select released: the fourth voice is applied");
        frame("menu open, idle");

        runner.Unload();
        for (std::size_t i = 2; i < host.hookLog.size(); ++i) {
            std::printf("host: %s\n", host.hookLog[i].c_str());
        }
        const auto voice = host.game.voices.find(host.game.playerCharacter);
        std::printf("\nsummary: %d frames; player voice hash %s\n", number,
                    voice != host.game.voices.end() ? std::to_string(voice->second).c_str() : "unchanged");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "session failed: %s\n", error.what());
        return 1;
    }
    return 0;
}
