#include "driver/Runner.h"

namespace driver {

Runner::Runner(sim::StandInHook& host, std::uint32_t frameMilliseconds)
    : host_(host), frameMilliseconds_(frameMilliseconds) {}

void Runner::Load(Plugin plugin) {
    plugin_.emplace(std::move(plugin));
    host_.StartScript();
}

void Runner::RestartScript() {
    host_.StartScript();
}

const sim::Frame& Runner::RunFrame() {
    host_.recorder.BeginFrame();
    host_.ResumeScript();
    host_.game.EndFrame();
    host_.tickCount += frameMilliseconds_;
    return host_.recorder.Last();
}

void Runner::RunFrames(int count) {
    for (int i = 0; i < count; ++i) {
        RunFrame();
    }
}

void Runner::Unload(Detach how) {
    if (plugin_) {
        plugin_->Unload(how);
        plugin_.reset();
    }
    host_.AbandonScript();
}

void Runner::RestartGame() {
    if (!plugin_) {
        return;
    }
    const std::function<Plugin()> reopen = plugin_->Reopener();
    Unload(Detach::ProcessEnds);
    FreshGame();
    Load(reopen());
}

void Runner::FreshGame() {
    auto answers = std::move(host_.game.answerOverride);
    host_.game = sim::Game{};
    host_.game.answerOverride = std::move(answers);
}

void Runner::KeyDown(std::uint32_t key, bool repeat) {
    if (host_.keyboardHandler != nullptr) {
        host_.keyboardHandler(key, 1, 0, FALSE, FALSE, repeat ? TRUE : FALSE, FALSE);
    }
}

void Runner::KeyUp(std::uint32_t key) {
    if (host_.keyboardHandler != nullptr) {
        host_.keyboardHandler(key, 1, 0, FALSE, FALSE, TRUE, TRUE);
    }
}

} // namespace driver
