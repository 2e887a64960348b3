#include "session/Writer.h"

#include "sim/Quoting.h"

#include <charconv>

namespace session {
namespace {

std::string RowText(const Expectation& expected) {
    std::string text = "row " + sim::Quoted(expected.label);
    switch (expected.detail) {
    case RowDetail::None:
        return text;
    case RowDetail::Value:
        return text + " value " + sim::Quoted(expected.value);
    case RowDetail::On:
        return text + " on";
    case RowDetail::Off:
        return text + " off";
    case RowDetail::Right:
        return text + " right " + sim::Quoted(expected.value);
    case RowDetail::Disabled:
        return text + " disabled";
    case RowDetail::Enabled:
        return text + " enabled";
    }
    return text;
}

std::string CallText(const CallPattern& call) {
    std::string text = call.native + "(";
    for (std::size_t i = 0; i < call.arguments.size(); ++i) {
        text += (i == 0 ? "" : ", ") + call.arguments[i];
    }
    if (call.anyMore) {
        text += call.arguments.empty() ? "..." : ", ...";
    }
    return text + ")";
}

} // namespace

std::string FractionText(float value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string ExpectationText(const Expectation& expected) {
    switch (expected.kind) {
    case ExpectKind::MenuOpen:
        return "menu open";
    case ExpectKind::MenuClosed:
        return "menu closed";
    case ExpectKind::Page:
        return "page " + sim::Quoted(expected.title) +
               (expected.subtitle ? " " + sim::Quoted(*expected.subtitle) : std::string());
    case ExpectKind::Counter:
        return "counter " + std::to_string(expected.counter.row) + " of " +
               std::to_string(expected.counter.rows);
    case ExpectKind::Row:
        return RowText(expected);
    case ExpectKind::Description:
        return "description " + sim::Quoted(expected.value);
    case ExpectKind::Voice:
        return "voice " + expected.name;
    case ExpectKind::Call:
        return "call " + CallText(expected.call);
    case ExpectKind::NoCall:
        return "no call " + CallText(expected.call);
    case ExpectKind::Sound:
        return "sound " + expected.name;
    }
    return "";
}

std::string StepLine(const SessionStep& step) {
    switch (step.kind) {
    case StepKind::Press:
        return "press " + step.input.name;
    case StepKind::Release:
        return "release " + step.input.name;
    case StepKind::Repeat:
        return "repeat " + step.input.name;
    case StepKind::Tap:
        return "tap " + step.input.name + (step.times > 1 ? " " + std::to_string(step.times) : "");
    case StepKind::Chord:
        return "chord";
    case StepKind::Gamepad:
        return std::string("gamepad ") + (step.on ? "on" : "off");
    case StepKind::Wait:
        return "wait " + std::to_string(step.frames);
    case StepKind::Pass:
        return "pass " + std::to_string(step.milliseconds) + " ms";
    case StepKind::LoseGlobals:
        return "globals lost";
    case StepKind::Expect:
        return "expect " + ExpectationText(step.expectation);
    case StepKind::Snapshot:
        return "snapshot " + step.name;
    case StepKind::PointAt:
        return "point at " + FractionText(step.x) + " " + FractionText(step.y);
    case StepKind::PointAtRow:
        return "point at row " + std::to_string(step.row);
    case StepKind::Type:
        return "type " + sim::Quoted(step.text);
    case StepKind::Answer:
        return "answer " + step.text;
    case StepKind::KeyboardDone:
        return "keyboard done";
    case StepKind::KeyboardCancel:
        return "keyboard cancel";
    case StepKind::Restart:
        return "restart";
    case StepKind::ExpectSetting:
        return "expect setting " + sim::Quoted(step.setting) + " " + sim::Quoted(step.text);
    case StepKind::WriteSetting:
        return "write setting " + sim::Quoted(step.setting) + " " + sim::Quoted(step.text);
    }
    return "";
}

} // namespace session
