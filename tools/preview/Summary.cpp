#include "tools/preview/Summary.h"

#include "host/Natives.h"
#include "readback/MenuState.h"

#include <algorithm>

namespace preview {
namespace {

std::string SoundEvent(const std::string& sound, const std::string& counter) {
    const std::string where = counter.empty() ? "" : " to " + counter;
    if (sound == "MENU_ENTER") {
        return "menu opened";
    }
    if (sound == "MENU_CLOSE") {
        return "menu closed";
    }
    if (sound == "NAV_UP") {
        return "moved up" + where;
    }
    if (sound == "NAV_DOWN") {
        return "moved down" + where;
    }
    if (sound == "NAV_LEFT" || sound == "NAV_RIGHT") {
        return sound == "NAV_LEFT" ? "list stepped left" : "list stepped right";
    }
    if (sound == "SELECT") {
        return "selected";
    }
    if (sound == "BACK") {
        return "back";
    }
    return "sound " + sound;
}

} // namespace

FrameSummary SummariseFrame(const sim::Frame& frame) {
    FrameSummary summary;
    std::string counter;
    bool counterRead = false;
    std::string hashedName; // voices are set by the hash of their name
    for (const sim::NativeCall& call : frame) {
        if (call.Is(Native::HashOfName) && !call.texts.empty()) {
            hashedName = call.Text(0);
        } else if (call.Is(Native::SetVoiceByHash)) {
            summary.voice = hashedName.empty() ? "(unnamed)" : hashedName;
        } else if (call.Is(Native::PlayFrontendSound) && !call.texts.empty()) {
            if (!counterRead) {
                counter = readback::ReadMenu(frame).counterText;
                counterRead = true;
            }
            std::string event = SoundEvent(call.Text(0), counter);
            // The action runs before Select sounds, so its voice belongs to the selection.
            if (!summary.voice.empty() && event == "selected") {
                event += ": voice " + summary.voice + " applied";
            }
            summary.events.push_back(std::move(event));
        }
    }
    const bool told = std::any_of(summary.events.begin(), summary.events.end(), [](const std::string& event) {
        return event.find("voice ") != std::string::npos;
    });
    if (!summary.voice.empty() && !told) {
        summary.events.push_back("voice " + summary.voice + " applied");
    }
    return summary;
}

} // namespace preview
