// Runs the plug-in module in the stand-in host through a short scripted
// session, prints the native calls of each frame, then what the session did.
#include "host/Natives.h"
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

// The value of NAME = '...' in a text's markup.
std::string MarkupAttribute(const std::string& markup, const std::string& name) {
    const std::string key = name + " = '";
    const std::size_t begin = markup.find(key);
    if (begin == std::string::npos) {
        return "?";
    }
    const std::size_t value = begin + key.size();
    return markup.substr(value, markup.find('\'', value) - value);
}

// One line per call, except that a sprite (prepare and draw) and a text
// (colour, game string, display) each read as one line: what is drawn where.
std::vector<std::string> DescribeDrawing(const sim::Frame& frame) {
    std::vector<std::string> lines;
    char buffer[160];
    for (std::size_t i = 0; i < frame.size(); ++i) {
        const sim::NativeCall& call = frame[i];
        const bool sprite = call.Is(Native::PrepareSpriteDraw) && i + 1 < frame.size() &&
                            frame[i + 1].Is(Native::DrawSprite) && frame[i + 1].args.size() >= 11;
        const bool text = call.Is(Native::SetTextColour) && i + 2 < frame.size() &&
                          frame[i + 1].Is(Native::MakeLiteralGameString) &&
                          frame[i + 2].Is(Native::DisplayText);
        if (sprite) {
            const sim::NativeCall& draw = frame[++i];
            std::snprintf(buffer, sizeof buffer,
                          "sprite %s/%s centre (%.4f, %.4f) size (%.4f, %.4f) rotation %g",
                          draw.Text(0).c_str(), draw.Text(1).c_str(), draw.Float(2), draw.Float(3),
                          draw.Float(4), draw.Float(5), draw.Float(6));
            lines.emplace_back(buffer);
        } else if (text) {
            const std::string& markup = frame[i + 1].Text(2);
            const std::size_t begin = markup.find("~s~");
            const std::size_t end = markup.rfind("</FONT>");
            const std::string inner =
                begin != std::string::npos && end != std::string::npos && end >= begin + 3
                    ? markup.substr(begin + 3, end - begin - 3)
                    : markup;
            const sim::NativeCall& display = frame[i + 2];
            std::snprintf(buffer, sizeof buffer, "\" at (%.4f, %.4f) %s, font %s, size %s", display.Float(1),
                          display.Float(2), MarkupAttribute(markup, "ALIGN").c_str(),
                          MarkupAttribute(markup, "FACE").c_str(), MarkupAttribute(markup, "SIZE").c_str());
            lines.push_back("text \"" + inner + buffer);
            i += 2;
        } else {
            lines.push_back(sim::Describe(call));
        }
    }
    return lines;
}

void PrintFrame(const char* what, int number, const sim::Frame& frame) {
    std::printf("\n== frame %d: %s (%zu native calls)\n", number, what, frame.size());
    for (const std::string& line : DescribeDrawing(frame)) {
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
