#include "tools/workbench/Replay.h"

#include <algorithm>
#include <chrono>

namespace workbench {
namespace {

// Presses and releases the game's controls until exactly wanted are held.
void HoldControls(sim::Game& game, const std::set<std::uint32_t>& held,
                  const std::set<std::uint32_t>& wanted) {
    for (const std::uint32_t control : held) {
        if (wanted.count(control) == 0) {
            game.ReleaseControl(control);
        }
    }
    for (const std::uint32_t control : wanted) {
        if (held.count(control) == 0) {
            game.PressControl(control);
        }
    }
}

std::uint32_t LastFrameTick(const InputLog& log) {
    const auto& entries = log.Entries();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (entry->kind == InputLog::EntryKind::Frame) {
            return entry->value;
        }
    }
    return 0;
}

// The input device the game reports and where the mouse's cursor stands.
void SetDevices(sim::Game& game, const InputLog::Start& state) {
    game.gamepad = state.gamepad;
    game.cursorX = state.cursorX;
    game.cursorY = state.cursorY;
}

// What the player did on the game's on-screen keyboard; nothing for another entry.
void ReplayKeyboard(const InputLog& log, const InputLog::Entry& entry, sim::OnscreenKeyboard& keyboard) {
    if (entry.kind == InputLog::EntryKind::Typed) {
        keyboard.Type(log.TypedTexts().at(entry.value));
    } else if (entry.kind == InputLog::EntryKind::KeyboardDone) {
        keyboard.Finish();
    } else if (entry.kind == InputLog::EntryKind::KeyboardCancelled) {
        keyboard.Cancel();
    }
}

} // namespace

ReplayResult Replay(const InputLog& log, driver::Runner& runner, std::uint32_t endTick,
                    const std::function<void(const sim::Frame&)>& eachFrame) {
    const auto start = std::chrono::steady_clock::now();
    sim::StandInHook& host = runner.host();
    ReplayResult result;

    HoldControls(host.game, log.Now().heldControls, log.AtStart().heldControls);
    host.game.EndFrame(); // held as the log began, not pressed now
    SetDevices(host.game, log.AtStart());
    // The new module's handler has never seen the keys that were down when the log began.
    for (const std::uint32_t key : log.AtStart().keysDown) {
        runner.KeyDown(key);
    }
    // Unsigned arithmetic: the tick count wraps as Windows' does.
    const std::uint32_t shift = endTick - LastFrameTick(log);
    std::set<std::uint32_t> held = log.AtStart().heldControls;
    const std::vector<InputLog::Entry>& entries = log.Entries();
    std::size_t nextFrame = 0; // the frame the events being applied came in for
    for (std::size_t at = 0; at < entries.size(); ++at) {
        const InputLog::Entry& entry = entries[at];
        switch (entry.kind) {
        case InputLog::EntryKind::Input:
            // The keyboard handler reads the clock: the events came in at their frame's time.
            nextFrame = std::max(nextFrame, at);
            while (nextFrame < entries.size() && entries[nextFrame].kind != InputLog::EntryKind::Frame) {
                ++nextFrame;
            }
            host.tickCount = nextFrame < entries.size() ? entries[nextFrame].value + shift : endTick;
            driver::Apply(runner, entry.input);
            if (entry.input.kind == driver::InputKind::PressControl) {
                held.insert(entry.input.code);
            } else if (entry.input.kind == driver::InputKind::ReleaseControl) {
                held.erase(entry.input.code);
            }
            break;
        case InputLog::EntryKind::Gamepad:
            host.game.gamepad = entry.value != 0;
            break;
        case InputLog::EntryKind::Frame:
            host.tickCount = entry.value + shift;
            host.recorder.Clear(); // the record keeps only the frame being run
            if (const sim::Frame& frame = runner.RunFrame(); eachFrame) {
                eachFrame(frame);
            }
            ++result.frames;
            break;
        default: // a snapshot, or what was done on the game's keyboard
            ReplayKeyboard(log, entry, host.game.keyboard);
            break;
        }
    }

    // Controls that changed while no module ran (a broken build) are not in
    // the log; the game holds what it held before the replay.
    HoldControls(host.game, held, log.Now().heldControls);
    host.game.EndFrame();
    SetDevices(host.game, log.Now());
    host.tickCount = endTick;
    result.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return result;
}

bool SamePlace(const Place& before, const Place& after) {
    if (before.shown.open != after.shown.open) {
        return false;
    }
    if (!before.shown.open) {
        return true;
    }
    const bool samePage = before.pageId && after.pageId ? *before.pageId == *after.pageId
                                                        : before.shown.title == after.shown.title &&
                                                              before.shown.subtitle == after.shown.subtitle;
    return samePage && before.shown.row == after.shown.row;
}

std::string DescribePlaceChange(const Place& before, const Place& after) {
    if (SamePlace(before, after)) {
        return "";
    }
    return "the replay ends elsewhere: " + Describe(after.shown) + " (was " + Describe(before.shown) + ")";
}

} // namespace workbench
