#include "tests/scenarios/ScenarioRun.h"

#include "driver/InputSequences.h"
#include "driver/Runner.h"
#include "host/PluginKeys.h"
#include "sim/NativeTable.h"
#include "sim/Quoting.h"
#include "tests/scenarios/Machine.h"

#include <charconv>
#include <cstdio>
#include <map>

namespace scenario {
namespace {

std::string Hex(std::uint64_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%llx", static_cast<unsigned long long>(value));
    return buffer;
}

class Writer {
  public:
    explicit Writer(Record& record) : record_(record) {}

    void Line(const std::string& line) { record_.text += line + '\n'; }

    void Check(const std::string& what, bool holds) {
        Line(std::string("check: ") + what + (holds ? ": yes" : ": NO"));
        if (!holds) {
            ++record_.failedChecks;
        }
    }

  private:
    Record& record_;
};

// Integers, handles, booleans and floats travel in the low half of their
// slot; anything in the high half means the argument was widened wrongly.
// Describe prints only the low half, so this is looked at separately.
void CheckSlots(const sim::NativeCall& call, Writer& out) {
    if (call.info == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < call.args.size() && i < call.info->arguments.size(); ++i) {
        const char kind = call.info->arguments[i];
        const bool narrow =
            kind == 'i' || kind == 'u' || kind == 'c' || kind == 'h' || kind == 'b' || kind == 'f';
        if (narrow && (call.args[i] >> 32) != 0) {
            out.Check("argument " + std::to_string(i) + " of " + std::string(call.info->name) +
                          " keeps the high half of its slot clear (" + Hex(call.args[i]) + ")",
                      false);
        }
    }
}

void WriteFrame(int number, sim::StandInHook& host, const sim::Frame& frame, Writer& out) {
    out.Line("-- frame " + std::to_string(number));
    for (const sim::NativeCall& call : frame) {
        out.Line("  " + sim::Describe(call));
        CheckSlots(call, out);
    }
    // A write through getGlobalPtr is no native call; show what it left.
    const std::map<std::int32_t, std::uint64_t> globals(host.game.globals.begin(), host.game.globals.end());
    for (const auto& [index, value] : globals) {
        out.Line("  global " + std::to_string(index) + " = " + std::to_string(value));
    }
    const sim::ScriptFiber* fiber = host.Fiber();
    if (fiber != nullptr && fiber->Returned()) {
        out.Check("the script routine is still running", false);
    }
}

// The screen and the game window as the plug-in will see them, asked the
// way it asks: on the native build the stand-in answers, under Wine Windows does.
std::string DescribeScreenAndWindow() {
    std::string line = "screen " + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " x " +
                       std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "; ";
    RECT rect = {};
    HWND window = FindWindowA(nullptr, WindowTitle(WindowKind::Exact));
    if (window == nullptr) {
        line += "no game window";
    } else if (!GetWindowRect(window, &rect)) {
        line += "game window of unreadable size";
    } else {
        line += "game window " + std::to_string(rect.right - rect.left) + " wide";
    }
    return line;
}

void WriteHookLog(const sim::StandInHook& host, std::size_t from, Writer& out) {
    for (std::size_t i = from; i < host.hookLog.size(); ++i) {
        out.Line("host: " + host.hookLog[i]);
    }
}

// Floats as the record prints them: the shortest text that reads back the same.
std::string Fraction(float value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string DescribeInput(const driver::InputEvent& input) {
    switch (input.kind) {
    case driver::InputKind::KeyDown:
        return "key down " + Hex(input.code);
    case driver::InputKind::KeyRepeat:
        return "key repeat " + Hex(input.code);
    case driver::InputKind::KeyUp:
        return "key up " + Hex(input.code);
    case driver::InputKind::PressControl:
        return "press control " + Hex(input.code);
    case driver::InputKind::ReleaseControl:
        return "release control " + Hex(input.code);
    case driver::InputKind::MoveCursor:
        return "move the cursor to " + Fraction(input.x) + " " + Fraction(input.y);
    case driver::InputKind::NextFrame:
        break;
    }
    return "frame";
}

std::string DescribeStep(const Step& step) {
    switch (step.kind) {
    case StepKind::Input:
        return DescribeInput(step.input);
    case StepKind::UseGamepad:
        return "use a gamepad";
    case StepKind::UseKeyboard:
        return "use keyboard and mouse";
    case StepKind::LoseGlobals:
        return "script globals unavailable";
    case StepKind::PassTime:
        return "pass " + std::to_string(step.value) + " ms";
    case StepKind::RestartScript:
        return "restart the script routine";
    case StepKind::Unload:
        return "unload the plug-in";
    case StepKind::Expect:
        return "expect " + std::to_string(step.value);
    case StepKind::PointAtRow:
        return "point at a row (" + std::to_string(step.value) + ")";
    case StepKind::TypeText:
        return "type " + sim::Quoted(step.text);
    case StepKind::FinishKeyboard:
        return "finish the on-screen keyboard";
    case StepKind::CancelKeyboard:
        return "cancel the on-screen keyboard";
    case StepKind::Answer:
        return "answer (" + std::to_string(step.value) + ")";
    case StepKind::RestartGame:
        return "restart the game";
    case StepKind::ExpectSetting:
        return "expect setting (" + std::to_string(step.value) + ")";
    case StepKind::WriteSetting:
        return "write setting (" + std::to_string(step.value) + ")";
    }
    return "?";
}

void Unload(driver::Runner& runner, const std::string& pluginPath, Writer& out,
            driver::Detach how = driver::Detach::Freed) {
    sim::StandInHook& host = runner.host();
    const std::size_t logged = host.hookLog.size();
    runner.Unload(how);
    WriteHookLog(host, logged, out);
    const std::vector<std::string> unregistrations(host.hookLog.begin() + static_cast<std::ptrdiff_t>(logged),
                                                   host.hookLog.end());
    out.Check("DllMain unregistered the routine of its module, then its handler",
              unregistrations == std::vector<std::string>{"scriptUnregister(same module)",
                                                          "keyboardHandlerUnregister(same handler)"} &&
                  host.script == nullptr && host.keyboardHandler == nullptr);
    out.Check("the library is unmapped", !ModuleMapped(pluginPath));

    // A routine or handler left registered would now be called into a library that is gone.
    runner.KeyDown(plugin_keys::Toggle);
    runner.KeyUp(plugin_keys::Toggle);
    BetweenFrames();
    out.Check("a frame after unloading makes no native call", runner.RunFrame().empty());
}

void Load(driver::Runner& runner, const std::string& pluginPath, Writer& out) {
    sim::StandInHook& host = runner.host();
    const std::size_t logged = host.hookLog.size();
    runner.Load(driver::Plugin::Load(pluginPath));
    WriteHookLog(host, logged, out);
    out.Check("DllMain registered a routine and a handler",
              host.script != nullptr && host.keyboardHandler != nullptr);
    out.Check("the routine is registered under the loaded module's handle",
              host.scriptModule == runner.plugin()->Module());
}

} // namespace

Record RunScenario(const Scenario& scenario, const std::string& givenPath, const driver::GameFolder& folder,
                   const RunHooks& hooks) {
    Record record;
    Writer out(record);

    sim::StandInHook host;
    const GameWindow window(host, scenario.window);
    driver::Runner runner(host);
    out.Line("machine: " + DescribeScreenAndWindow());

    const std::string pluginPath = PlacePlugin(host, folder, givenPath);
    Load(runner, pluginPath, out);

    int frameNumber = 0;
    bool unloaded = false;
    for (const Step& step : scenario.steps) {
        const bool frame = step.kind == StepKind::Input && step.input.kind == driver::InputKind::NextFrame;
        // An expectation looks at the record and adds nothing to it.
        if (!frame && step.kind != StepKind::Expect && step.kind != StepKind::ExpectSetting) {
            out.Line("> " + DescribeStep(step));
        }
        switch (step.kind) {
        case StepKind::Input:
            if (frame) {
                BetweenFrames();
                WriteFrame(frameNumber++, host, runner.RunFrame(), out);
                if (hooks.frame) {
                    hooks.frame(host.recorder.Last());
                }
            } else {
                driver::Apply(runner, step.input);
            }
            break;
        case StepKind::ExpectSetting:
        case StepKind::WriteSetting:
            if (hooks.settings) {
                hooks.settings(step.value);
            }
            break;
        case StepKind::RestartGame:
            Unload(runner, pluginPath, out, driver::Detach::ProcessEnds);
            runner.FreshGame();
            Load(runner, pluginPath, out);
            break;
        case StepKind::Expect:
            if (hooks.expect) {
                hooks.expect(step.value, host.recorder.Last(), host);
            }
            break;
        case StepKind::PointAtRow:
            if (const auto move =
                    hooks.point ? hooks.point(step.value, host.recorder.Last()) : std::nullopt) {
                out.Line("  the cursor to " + Fraction(move->x) + " " + Fraction(move->y));
                driver::Apply(runner, *move);
            }
            break;
        case StepKind::TypeText:
            host.game.keyboard.Type(step.text);
            break;
        case StepKind::FinishKeyboard:
            host.game.keyboard.Finish();
            break;
        case StepKind::CancelKeyboard:
            host.game.keyboard.Cancel();
            break;
        case StepKind::Answer:
            if (hooks.answer) {
                hooks.answer(step.value, host.game);
            }
            break;
        case StepKind::UseGamepad:
            host.game.gamepad = true;
            break;
        case StepKind::UseKeyboard:
            host.game.gamepad = false;
            break;
        case StepKind::LoseGlobals:
            host.game.globalsMissing = true;
            break;
        case StepKind::PassTime:
            PassTime(host, step.value);
            break;
        case StepKind::RestartScript:
            runner.RestartScript();
            break;
        case StepKind::Unload:
            Unload(runner, pluginPath, out);
            unloaded = true;
            break;
        }
        if (unloaded) {
            break;
        }
    }
    if (!unloaded) {
        out.Line("> " + DescribeStep({StepKind::Unload}));
        Unload(runner, pluginPath, out);
    }
    return record;
}

} // namespace scenario
