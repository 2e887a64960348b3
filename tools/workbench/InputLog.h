// Everything handed to the plug-in since the module was loaded fresh: the
// input events in their order, the input device changes, each frame with the
// tick count it ran at, and the screenshots. Replayed on a rebuilt module it
// brings that module to the same place; written out it is a session.
#pragma once

#include "driver/InputSequences.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace workbench {

class InputLog {
  public:
    // About 28 minutes at 60 frames a second; replaying more would keep the
    // window waiting too long after a rebuild.
    static constexpr int MaxFrames = 100000;
    // Frames in a row with nothing handed over between them and nothing held
    // change nothing a replay needs past the first few: beyond these the log
    // keeps none, so a reload after an idle hour replays what one after an
    // idle minute does. Their time still passes before the next input.
    static constexpr int IdleFramesKept = 60;

    // Typed and the keyboard's end: the player's doing on the game's on-screen keyboard.
    enum class EntryKind : std::uint8_t {
        Input,
        Gamepad,
        Frame,
        Snapshot,
        Typed,
        KeyboardDone,
        KeyboardCancelled
    };
    struct Entry {
        EntryKind kind = EntryKind::Frame;
        driver::InputEvent input; // Input (never NextFrame: frames are their own entries)
        // Gamepad: 1 for a controller; Frame: the tick count; Snapshot: its
        // name's index; Typed: the text's index
        std::uint32_t value = 0;
    };

    // What was held and reported when the log began; a replay starts from it.
    struct Start {
        bool gamepad = false;
        std::set<std::uint32_t> heldControls;
        std::set<std::uint32_t> keysDown;
        float cursorX = 0.5f; // where the mouse's cursor stands
        float cursorY = 0.5f;
    };

    // Begins a new log from what is held now.
    void Restart();
    // While paused (no module runs) entries are not kept, but what is held is still followed.
    void Pause(bool paused) { paused_ = paused; }

    void Input(const driver::InputEvent& event);
    void Gamepad(bool on);
    void Frame(std::uint32_t tickCount);
    // The frame run last was written as a picture named name.
    void Snapshot(const std::string& name);
    // The on-screen keyboard's box now holds text; the player finished or cancelled it.
    void Typed(const std::string& text);
    void KeyboardEnded(bool done);

    // Past MaxFrames kept the log stops: it no longer says how the plug-in got where it is.
    bool Full() const { return full_; }
    int Frames() const { return frames_; }
    const std::vector<Entry>& Entries() const { return entries_; }
    const std::vector<std::string>& SnapshotNames() const { return snapshotNames_; }
    const std::vector<std::string>& TypedTexts() const { return typedTexts_; }
    const Start& AtStart() const { return start_; }
    // What is held and reported now, whether or not the log keeps entries.
    const Start& Now() const { return now_; }

  private:
    bool Keeping() const { return !paused_ && !full_; }

    std::vector<Entry> entries_;
    std::vector<std::string> snapshotNames_;
    std::vector<std::string> typedTexts_;
    Start start_;
    Start now_;
    int frames_ = 0;
    int idleFrames_ = 0; // frames kept since the last other entry
    bool paused_ = false;
    bool full_ = false;
};

} // namespace workbench
