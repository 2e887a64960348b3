#include "session/Play.h"

#include "driver/GameFolder.h"
#include "readback/FrameDrawing.h"
#include "readback/MenuState.h"
#include "session/SettingsOnDisk.h"

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

// The one action of a step that carries nothing but its kind.
ActionKind ActionOf(StepKind kind) {
    switch (kind) {
    case StepKind::LoseGlobals:
        return ActionKind::LoseGlobals;
    case StepKind::Snapshot:
        return ActionKind::Snapshot;
    case StepKind::Restart:
        return ActionKind::RestartGame;
    case StepKind::ExpectSetting:
        return ActionKind::ExpectSetting;
    case StepKind::WriteSetting:
        return ActionKind::WriteSetting;
    default:
        return ActionKind::Expect;
    }
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
    case StepKind::Restart:
        keysDown_.clear(); // the new game's plug-in has seen no key go down
        [[fallthrough]];
    case StepKind::LoseGlobals:
    case StepKind::Expect:
    case StepKind::Snapshot:
    case StepKind::ExpectSetting:
    case StepKind::WriteSetting:
        act(Only(ActionOf(step.kind)));
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

namespace {

// Plays the actions of a session's steps on a runner, one frame's record at a time.
class Player {
  public:
    Player(driver::Runner& runner, const SessionObserver& observer) : runner_(runner), observer_(observer) {}

    void Play(const Action& action, const SessionStep& step) {
        sim::StandInHook& host = runner_.host();
        switch (action.kind) {
        case ActionKind::Input:
            Input(action.input, step);
            break;
        case ActionKind::Gamepad:
            host.game.gamepad = action.on;
            break;
        case ActionKind::PassTime:
            runner_.Advance(action.milliseconds);
            break;
        case ActionKind::LoseGlobals:
            host.game.globalsMissing = true;
            break;
        case ActionKind::Expect:
        case ActionKind::Snapshot:
            LookAtLastFrame(action, step);
            break;
        case ActionKind::PointAtRow:
        case ActionKind::Type:
        case ActionKind::FinishKeyboard:
        case ActionKind::CancelKeyboard:
            PlayMouseOrKeyboard(action, step, frames_, runner_);
            break;
        case ActionKind::Answer:
            Teach(host.game, *action.answer);
            break;
        case ActionKind::RestartGame:
        case ActionKind::ExpectSetting:
        case ActionKind::WriteSetting:
            PlayGameOrSettings(action, step);
            break;
        }
    }

    int Frames() const { return frames_; }

  private:
    void Input(const driver::InputEvent& input, const SessionStep& step) {
        sim::StandInHook& host = runner_.host();
        if (input.kind != driver::InputKind::NextFrame) {
            driver::Apply(runner_, input);
            return;
        }
        // The observer has seen the frames before; a check or snapshot needs only the last.
        host.recorder.Clear();
        driver::Apply(runner_, input);
        checker_.See(host.recorder.Last());
        if (observer_.frame) {
            observer_.frame(frames_, step, host.recorder.Last());
        }
        ++frames_;
    }

    void LookAtLastFrame(const Action& action, const SessionStep& step) {
        sim::StandInHook& host = runner_.host();
        RequireFrame(step, frames_);
        if (action.kind == ActionKind::Expect && observer_.expectation) {
            observer_.expectation(step,
                                  checker_.Shortfall(step.expectation, host.recorder.Last(), host.game));
        } else if (action.kind == ActionKind::Snapshot && observer_.snapshot) {
            observer_.snapshot(step, frames_ - 1, host.recorder.Last());
        }
    }

    void PlayGameOrSettings(const Action& action, const SessionStep& step) {
        const std::string path = driver::SettingsPathOf(runner_.host());
        if (action.kind == ActionKind::RestartGame) {
            runner_.RestartGame();
        } else if (action.kind == ActionKind::WriteSetting) {
            WriteSetting(path, step);
        } else if (observer_.expectation) {
            observer_.expectation(step, SettingShortfall(path, step));
        }
    }

    driver::Runner& runner_;
    const SessionObserver& observer_;
    Checker checker_;
    int frames_ = 0;
};

} // namespace

int RunSession(const std::vector<SessionStep>& steps, driver::Runner& runner,
               const SessionObserver& observer) {
    ActionStream stream;
    Player player(runner, observer);
    for (const SessionStep& step : steps) {
        if (observer.step) {
            observer.step(step);
        }
        stream.Expand(step, [&](const Action& action) { player.Play(action, step); });
    }
    return player.Frames();
}

} // namespace session
