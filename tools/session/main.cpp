// Runs the plug-in module in the stand-in host through a short scripted
// session, prints the native calls of each frame, then what the session did.
#include "menu/Controls.h"
#include "menu/Prompts.h"
#include "sim/NativeTable.h"
#include "sim/Runner.h"

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace {

void PrintFrame(const char* what, int number, const sim::Frame& frame) {
    std::printf("\n== frame %d: %s (%zu native calls)\n", number, what, frame.size());
    for (const std::string& line : sim::Describe(frame)) {
        std::printf("  %s\n", line.c_str());
    }
}

bool Is(const sim::NativeCall& call, std::string_view label) {
    return call.info != nullptr && call.info->label == label;
}

// One line per frame that sounded or changed the voice; a voice change is
// shown with its calls, up to the sound that followed it.
void PrintSummary(const std::vector<sim::Frame>& frames) {
    std::printf("\nsummary of %zu frames:\n", frames.size());
    std::string voiceName;
    for (std::size_t number = 0; number < frames.size(); ++number) {
        const sim::Frame& frame = frames[number];
        std::string sounds;
        bool voiceChanged = false;
        for (const sim::NativeCall& call : frame) {
            if (Is(call, "play_frontend_sound")) {
                sounds += (sounds.empty() ? "" : ", ") + call.Text(0);
                if (call.Text(0) == "MENU_ENTER") {
                    sounds += " (menu opened)";
                } else if (call.Text(0) == "MENU_CLOSE") {
                    sounds += " (menu closed)";
                }
            } else if (Is(call, "set_voice_by_hash")) {
                voiceChanged = true;
            } else if (Is(call, "hash_of_name")) {
                voiceName = call.Text(0);
            }
        }
        if (sounds.empty() && !voiceChanged) {
            continue;
        }
        std::printf("  frame %zu: %s%s\n", number, voiceChanged ? "voice applied, then " : "",
                    sounds.c_str());
        if (!voiceChanged) {
            continue;
        }
        bool inVoice = false;
        for (const sim::NativeCall& call : frame) {
            inVoice = inVoice || Is(call, "get_player_character");
            if (inVoice && !Is(call, "stop_frontend_sound")) {
                std::printf("      %s\n", sim::Describe(call).c_str());
            }
            if (inVoice && Is(call, "play_frontend_sound")) {
                break;
            }
        }
    }
    std::printf("  player voice at the end: %s\n", voiceName.empty() ? "unchanged" : voiceName.c_str());
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
            host.game.PressControl(Menu::DownControl);
            frame("down");
            host.game.ReleaseControl(Menu::DownControl);
            frame("down released");
        }
        host.game.PressControl(Menu::SelectControl);
        frame("Select pressed");
        host.game.ReleaseControl(Menu::SelectControl);
        frame("Select released: the fourth voice is applied");
        frame("menu open, idle");
        host.game.PressControl(Menu::BackControl);
        frame("Back pressed");
        host.game.ReleaseControl(Menu::BackControl);
        frame("Back released: the menu closes");

        runner.Unload();
        for (std::size_t i = 2; i < host.hookLog.size(); ++i) {
            std::printf("host: %s\n", host.hookLog[i].c_str());
        }
        PrintSummary(host.recorder.Frames());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "session failed: %s\n", error.what());
        return 1;
    }
    return 0;
}
