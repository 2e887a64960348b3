#include "tools/workbench/InputLog.h"

namespace workbench {

void InputLog::Restart() {
    entries_.clear();
    snapshotNames_.clear();
    typedTexts_.clear();
    start_ = now_;
    frames_ = 0;
    idleFrames_ = 0;
    paused_ = false;
    full_ = false;
}

void InputLog::Input(const driver::InputEvent& event) {
    switch (event.kind) {
    case driver::InputKind::KeyDown:
    case driver::InputKind::KeyRepeat:
        now_.keysDown.insert(event.code);
        break;
    case driver::InputKind::KeyUp:
        now_.keysDown.erase(event.code);
        break;
    case driver::InputKind::PressControl:
        now_.heldControls.insert(event.code);
        break;
    case driver::InputKind::ReleaseControl:
        now_.heldControls.erase(event.code);
        break;
    case driver::InputKind::NextFrame:
        return; // frames come through Frame, with their time
    case driver::InputKind::MoveCursor:
        now_.cursorX = event.x;
        now_.cursorY = event.y;
        break;
    }
    if (Keeping()) {
        entries_.push_back({EntryKind::Input, event, 0});
    }
}

void InputLog::Gamepad(bool on) {
    now_.gamepad = on;
    if (Keeping()) {
        entries_.push_back({EntryKind::Gamepad, {}, on ? 1u : 0u});
    }
}

void InputLog::Frame(std::uint32_t tickCount) {
    if (!Keeping()) {
        return;
    }
    const bool idle = now_.heldControls.empty() && now_.keysDown.empty();
    if (!entries_.empty() && entries_.back().kind != EntryKind::Frame) {
        idleFrames_ = 0;
    }
    if (idle && idleFrames_ >= IdleFramesKept) {
        return;
    }
    ++idleFrames_;
    if (frames_ == MaxFrames) {
        full_ = true;
        entries_.clear();
        entries_.shrink_to_fit();
        snapshotNames_.clear();
        typedTexts_.clear();
        return;
    }
    entries_.push_back({EntryKind::Frame, {}, tickCount});
    ++frames_;
}

void InputLog::Snapshot(const std::string& name) {
    if (Keeping() && frames_ > 0) {
        entries_.push_back({EntryKind::Snapshot, {}, static_cast<std::uint32_t>(snapshotNames_.size())});
        snapshotNames_.push_back(name);
    }
}

void InputLog::Typed(const std::string& text) {
    if (Keeping()) {
        entries_.push_back({EntryKind::Typed, {}, static_cast<std::uint32_t>(typedTexts_.size())});
        typedTexts_.push_back(text);
    }
}

void InputLog::KeyboardEnded(bool done) {
    if (Keeping()) {
        entries_.push_back({done ? EntryKind::KeyboardDone : EntryKind::KeyboardCancelled, {}, 0});
    }
}

} // namespace workbench
