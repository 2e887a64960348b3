#include "session/Play.h"

#include "readback/FrameDrawing.h"
#include "readback/MenuState.h"

namespace session {
namespace {

// The parser sees to it; steps made otherwise may not.
void RequireFrame(const SessionStep& step, int framesRun) {
    if (framesRun == 0) {
        throw SessionError("line " + std::to_string(step.line) + ": " + step.source +
                           " before any frame has run");
    }
}

Action Only(ActionKind kind) {
    Action action;
    action.kind = kind;
    return action;
}

// The one action of a mouse's or keyboard's step.
Action MouseOrKeyboardAction(const SessionStep& step) {
    Action action;
    switch (step.kind) {
    case StepKind::PointAt:
        action.input = driver::MoveCursor(step.x, step.y);
        break;
    case StepKind::PointAtRow:
        action.kind = ActionKind::PointAtRow;
        action.row = step.row;
        break;
    case StepKind::Type:
        action.kind = ActionKind::Type;
        action.text = step.text;
        break;
    case StepKind::KeyboardDone:
        action.kind = ActionKind::FinishKeyboard;
        break;
    default:
        action.kind = ActionKind::CancelKeyboard;
        break;
    }
    return action;
}

// A pointing at a row, read off the last frame, or the keyboard's doing.
void PlayMouseOrKeyboard(const Action& action, const SessionStep& step, int framesRun,
                         driver::Runner& runner) {
    if (action.kind != ActionKind::PointAtRow) {
        ActOnKeyboard(action, runner.host().game);
        return;
    }
    RequireFrame(step, framesRun);
    std::string why;
    const std::optional<driver::InputEvent> move = PointAtRow(step, runner.host().recorder.Last(), why);
    if (!move) {
        throw SessionError("line " + std::to_string(step.line) + ": " + step.source + ": " + why);
    }
    driver::Apply(runner, *move);
}

void ExpandAnswer(const SessionStep& step, const std::function<void(const Action&)>& act) {
    Action action = Only(ActionKind::Answer);
    action.answer = &step.answer;
    act(action);
}

} // namespace

std::optional<driver::InputEvent> PointAtRow(const SessionStep& step, const sim::Frame& last,
                                             std::string& why) {
    const auto place =
        readback::RowPlace(readback::ReadDrawing(last, readback::Reading::Lenient), step.row, why);
    if (!place) {
        return std::nullopt;
    }
    return driver::MoveCursor(place->x, place->y);
}

void ActOnKeyboard(const Action& action, sim::Game& game) {
    switch (action.kind) {
    case ActionKind::Type:
        game.keyboard.Type(action.text);
        break;
    case ActionKind::FinishKeyboard:
        game.keyboard.Finish();
        break;
    case ActionKind::CancelKeyboard:
        game.keyboard.Cancel();
        break;
    default:
        break;
    }
}

driver::InputEvent ActionStream::Press(const Input& input) {
    if (!input.isKey) {
        return {driver::InputKind::PressControl, input.code};
    }
    return {keysDown_.insert(input.code).second ? driver::InputKind::KeyDown : driver::InputKind::KeyRepeat,
            input.code};
}

driver::InputEvent ActionStream::Release(const Input& input) {
    keysDown_.erase(input.code);
    return {input.isKey ? driver::InputKind::KeyUp : driver::InputKind::ReleaseControl, input.code};
}

void ActionStream::Expand(const SessionStep& step, const std::function<void(const Action&)>& act) {
    const auto play = [&](const driver::InputSequence& sequence) {
        for (const driver::InputEvent& event : sequence) {
            act({ActionKind::Input, event, false, 0});
        }
    };
    switch (step.kind) {
    case StepKind::Press:
        act({ActionKind::Input, Press(step.input), false, 0});
        break;
    case StepKind::Release:
        act({ActionKind::Input, Release(step.input), false, 0});
        break;
    case StepKind::Repeat:
        keysDown_.insert(step.input.code);
        act({ActionKind::Input, {driver::InputKind::KeyRepeat, step.input.code}, false, 0});
        break;
    case StepKind::Tap:
        for (int i = 0; i < step.times; ++i) {
            play(driver::Tap(Press(step.input)));
            keysDown_.erase(step.input.code);
        }
        break;
    case StepKind::Chord:
        play(driver::Chord());
        break;
    case StepKind::Gamepad:
        act({ActionKind::Gamepad, {}, step.on, 0});
        break;
    case StepKind::Wait:
        for (int i = 0; i < step.frames; ++i) {
            act({ActionKind::Input, {driver::InputKind::NextFrame, 0}, false, 0});
        }
        break;
    case StepKind::Pass:
        act({ActionKind::PassTime, {}, false, step.milliseconds});
        break;
    case StepKind::LoseGlobals:
        act(Only(ActionKind::LoseGlobals));
        break;
    case StepKind::Expect:
        act(Only(ActionKind::Expect));
        break;
    case StepKind::Snapshot:
        act(Only(ActionKind::Snapshot));
        break;
    case StepKind::PointAt:
    case StepKind::PointAtRow:
    case StepKind::Type:
    case StepKind::KeyboardDone:
    case StepKind::KeyboardCancel:
        act(MouseOrKeyboardAction(step));
        break;
    case StepKind::Answer:
        ExpandAnswer(step, act);
        break;
    }
}

int RunSession(const std::vector<SessionStep>& steps, driver::Runner& runner,
               const SessionObserver& observer) {
    int number = 0;
    ActionStream stream;
    Checker checker;
    sim::StandInHook& host = runner.host();
    for (const SessionStep& step : steps) {
        if (observer.step) {
            observer.step(step);
        }
        stream.Expand(step, [&](const Action& action) {
            switch (action.kind) {
            case ActionKind::Input:
                if (action.input.kind != driver::InputKind::NextFrame) {
                    driver::Apply(runner, action.input);
                    break;
                }
                // The observer has seen the frames before; a check or snapshot needs only the last.
                host.recorder.Clear();
                driver::Apply(runner, action.input);
                checker.See(host.recorder.Last());
                if (observer.frame) {
                    observer.frame(number, step, host.recorder.Last());
                }
                ++number;
                break;
            case ActionKind::Gamepad:
                host.game.gamepad = action.on;
                break;
            case ActionKind::PassTime:
                runner.Advance(action.milliseconds);
                break;
            case ActionKind::LoseGlobals:
                host.game.globalsMissing = true;
                break;
            case ActionKind::Expect:
                RequireFrame(step, number);
                if (observer.expectation) {
                    observer.expectation(
                        step, checker.Shortfall(step.expectation, host.recorder.Last(), host.game));
                }
                break;
            case ActionKind::Snapshot:
                RequireFrame(step, number);
                if (observer.snapshot) {
                    observer.snapshot(step, number - 1, host.recorder.Last());
                }
                break;
            case ActionKind::PointAtRow:
            case ActionKind::Type:
            case ActionKind::FinishKeyboard:
            case ActionKind::CancelKeyboard:
                PlayMouseOrKeyboard(action, step, number, runner);
                break;
            case ActionKind::Answer:
                Teach(host.game, *action.answer);
                break;
            }
        });
    }
    return number;
}

} // namespace session
