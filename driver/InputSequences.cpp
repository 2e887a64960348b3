#include "driver/InputSequences.h"

#include "host/GameControls.h"
#include "host/MenuControls.h"
#include "host/PluginKeys.h"

namespace driver {

InputEvent ReleaseOf(InputEvent press) {
    const bool key = press.kind == InputKind::KeyDown || press.kind == InputKind::KeyRepeat;
    return {key ? InputKind::KeyUp : InputKind::ReleaseControl, press.code};
}

InputSequence Tap(InputEvent press) {
    return {press, {InputKind::NextFrame}, ReleaseOf(press), {InputKind::NextFrame}};
}

InputSequence TapControl(std::uint32_t control) {
    return Tap({InputKind::PressControl, control});
}

InputSequence TapKey(std::uint32_t key) {
    return Tap({InputKind::KeyDown, key});
}

InputSequence ToggleWithF8() {
    return TapKey(plugin_keys::Toggle);
}

InputSequence QuickF8() {
    return {{InputKind::KeyDown, plugin_keys::Toggle}, {InputKind::KeyUp, plugin_keys::Toggle}};
}

InputSequence QuickTap(std::initializer_list<std::uint32_t> controls) {
    InputSequence sequence;
    for (const std::uint32_t control : controls) {
        sequence.push_back({InputKind::PressControl, control});
        sequence.push_back({InputKind::ReleaseControl, control});
    }
    sequence.push_back({InputKind::NextFrame});
    return sequence;
}

InputSequence ChordDown() {
    return {{InputKind::PressControl, Menu::ChordModifierControl},
            {InputKind::PressControl, Menu::ChordControl}};
}

InputSequence ChordUp() {
    return {{InputKind::ReleaseControl, Menu::ChordControl},
            {InputKind::NextFrame},
            {InputKind::ReleaseControl, Menu::ChordModifierControl}};
}

InputSequence Chord() {
    InputSequence sequence = ChordDown();
    sequence.push_back({InputKind::NextFrame});
    const InputSequence up = ChordUp();
    sequence.insert(sequence.end(), up.begin(), up.end());
    sequence.push_back({InputKind::NextFrame});
    return sequence;
}

InputEvent MoveCursor(float x, float y) {
    return {InputKind::MoveCursor, 0, x, y};
}

InputSequence Click() {
    return TapControl(control::INPUT_CURSOR_ACCEPT);
}

InputSequence RightClick() {
    return TapControl(control::INPUT_CURSOR_CANCEL);
}

InputSequence Wheel(bool up) {
    return TapControl(up ? control::INPUT_CURSOR_SCROLL_UP : control::INPUT_CURSOR_SCROLL_DOWN);
}

void Apply(Runner& runner, InputEvent event) {
    switch (event.kind) {
    case InputKind::KeyDown:
        runner.KeyDown(event.code);
        break;
    case InputKind::KeyRepeat:
        runner.KeyDown(event.code, true);
        break;
    case InputKind::KeyUp:
        runner.KeyUp(event.code);
        break;
    case InputKind::PressControl:
        runner.host().game.PressControl(event.code);
        break;
    case InputKind::ReleaseControl:
        runner.host().game.ReleaseControl(event.code);
        break;
    case InputKind::NextFrame:
        runner.RunFrame();
        break;
    case InputKind::MoveCursor:
        runner.host().game.cursorX = event.x;
        runner.host().game.cursorY = event.y;
        break;
    }
}

void Play(Runner& runner, const InputSequence& sequence,
          const std::function<void(const sim::Frame&)>& frameRun) {
    for (const InputEvent& event : sequence) {
        Apply(runner, event);
        if (event.kind == InputKind::NextFrame && frameRun) {
            frameRun(runner.host().recorder.Last());
        }
    }
}

} // namespace driver
