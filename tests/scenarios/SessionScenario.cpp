#include "tests/scenarios/SessionScenario.h"

#include "session/Play.h"
#include "session/SettingsOnDisk.h"

namespace scenario {
std::string SessionName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

SessionRecord RunSessionFile(const std::string& path, const std::string& pluginPath,
                             const driver::GameFolder& folder, const std::string& answersPath) {
    std::vector<session::SessionStep> steps =
        answersPath.empty() ? std::vector<session::SessionStep>{} : session::LoadAnswers(answersPath);
    const std::vector<session::SessionStep> script = session::LoadSession(path);
    steps.insert(steps.end(), script.begin(), script.end());
    Scenario played{SessionName(path), {}, {}};
    std::vector<const session::SessionStep*> expectations;
    std::vector<const session::SessionStep*> pointings;
    std::vector<const session::TaughtAnswer*> answers;
    std::vector<const session::SessionStep*> settings;
    session::ActionStream stream;
    for (const session::SessionStep& step : steps) {
        stream.Expand(step, [&](const session::Action& action) {
            switch (action.kind) {
            case session::ActionKind::Input:
                played.steps.push_back(Played(action.input));
                break;
            case session::ActionKind::Gamepad:
                played.steps.push_back({action.on ? StepKind::UseGamepad : StepKind::UseKeyboard});
                break;
            case session::ActionKind::PassTime:
                played.steps.push_back({StepKind::PassTime, action.milliseconds});
                break;
            case session::ActionKind::LoseGlobals:
                played.steps.push_back({StepKind::LoseGlobals});
                break;
            case session::ActionKind::Expect:
                played.steps.push_back({StepKind::Expect, static_cast<std::uint32_t>(expectations.size())});
                expectations.push_back(&step);
                break;
            case session::ActionKind::Snapshot:
                break; // pictures are the preview's
            case session::ActionKind::PointAtRow:
                played.steps.push_back({StepKind::PointAtRow, static_cast<std::uint32_t>(pointings.size())});
                pointings.push_back(&step);
                break;
            case session::ActionKind::Type: {
                Step typed{StepKind::TypeText};
                typed.text = action.text;
                played.steps.push_back(typed);
                break;
            }
            case session::ActionKind::FinishKeyboard:
                played.steps.push_back({StepKind::FinishKeyboard});
                break;
            case session::ActionKind::CancelKeyboard:
                played.steps.push_back({StepKind::CancelKeyboard});
                break;
            case session::ActionKind::Answer:
                played.steps.push_back({StepKind::Answer, static_cast<std::uint32_t>(answers.size())});
                answers.push_back(action.answer);
                break;
            case session::ActionKind::RestartGame:
                played.steps.push_back({StepKind::RestartGame});
                break;
            case session::ActionKind::ExpectSetting:
            case session::ActionKind::WriteSetting:
                played.steps.push_back({action.kind == session::ActionKind::ExpectSetting
                                            ? StepKind::ExpectSetting
                                            : StepKind::WriteSetting,
                                        static_cast<std::uint32_t>(settings.size())});
                settings.push_back(&step);
                break;
            }
        });
    }

    SessionRecord result{played.name, {}, {}};
    session::Checker checker;
    RunHooks hooks;
    hooks.frame = [&](const sim::Frame& frame) { checker.See(frame); };
    hooks.expect = [&](std::uint32_t number, const sim::Frame& last, const sim::StandInHook& host) {
        const session::SessionStep& step = *expectations.at(number);
        if (const auto shortfall = checker.Shortfall(step.expectation, last, host.game)) {
            result.failures.push_back(
                session::DescribeFailure(path, step.line, step.expectation, *shortfall));
        }
    };
    hooks.point = [&](std::uint32_t number, const sim::Frame& last) -> std::optional<driver::InputEvent> {
        const session::SessionStep& step = *pointings.at(number);
        std::string why;
        const std::optional<driver::InputEvent> move = session::PointAtRow(step, last, why);
        if (!move) {
            result.failures.push_back(path + ":" + std::to_string(step.line) + ": " + step.source + ": " +
                                      why);
        }
        return move;
    };
    hooks.answer = [&](std::uint32_t number, sim::Game& game) { session::Teach(game, *answers.at(number)); };
    // The file beside the module in the game folder, natively and on Windows alike.
    const std::string settingsPath = folder.SettingsPath(driver::ModuleFileName(pluginPath));
    hooks.settings = [&](std::uint32_t number) {
        const session::SessionStep& step = *settings.at(number);
        if (step.kind == session::StepKind::WriteSetting) {
            session::WriteSetting(settingsPath, step);
        } else if (const auto shortfall = session::SettingShortfall(settingsPath, step)) {
            result.failures.push_back(session::DescribeSettingFailure(path, step, *shortfall));
        }
    };
    result.record = RunScenario(played, pluginPath, folder, hooks);
    return result;
}

} // namespace scenario
