#include "tests/fuzz/MenuScenario.h"

#include "host/PluginKeys.h"
#include "tests/fuzz/ByteReader.h"
#include "tests/fuzz/MenuInvariants.h"

#include "driver/Runner.h"
#include "host/MenuControls.h"
#include "host/Natives.h"
#include "host/PluginMain.h"
#include "host/ProcessState.h"
#include "sim/NativeTable.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

using Menu::Submenu;

// Registered and unregistered ids alike, top level (below 1) and deeper.
constexpr std::array<std::int32_t, 8> submenuIds = {0, 1, 2, 5, 7, -1, -3, 1000000};

constexpr std::array<std::uint32_t, 8> controls = {
    Menu::UpControl,     Menu::DownControl, Menu::LeftControl,          Menu::RightControl,
    Menu::SelectControl, Menu::BackControl, Menu::ChordModifierControl, Menu::ChordControl,
};

// Every native with a result, in host/NativeList.h's order: inputs pick them by position.
const std::vector<std::uint64_t>& AnsweredNatives() {
    static const std::vector<std::uint64_t> answered = [] {
        std::vector<std::uint64_t> hashes;
        for (const sim::NativeInfo& info : sim::Natives()) {
            if (info.result != '-') {
                hashes.push_back(info.hash);
            }
        }
        return hashes;
    }();
    return answered;
}

constexpr std::size_t maxTemplates = 8;
constexpr std::size_t maxRows = 23; // past a window of 8 and a Shift step of 10
constexpr std::size_t maxListValues = 5;
constexpr int maxFrames = 400;

// Flags behind toggle rows; a row's flag must outlive the row.
std::array<bool, 3> toggleFlags;

enum class Kind { Action, Toggle, List, Link, Separator };

enum class Behaviour { Nothing, Empty, Throw, Reregister, ReregisterAndThrow, RegisterFailing };

// One row of a template, as read from the input.
struct RowPlan {
    Kind kind = Kind::Action;
    Behaviour behaviour = Behaviour::Nothing;
    std::int32_t id = 0;           // re-registered, or linked to
    std::size_t templateIndex = 0; // rows of the re-registration
    int flag = -1;                 // toggle: index into toggleFlags, or -1 for none
    std::size_t values = 1;        // list
};

using Template = std::vector<RowPlan>;

class Scenario {
  public:
    explicit Scenario(std::span<const std::uint8_t> input) : in_(input) {}

    ScenarioResult Play() {
        ReadTemplates();
        runner_.Load(driver::Plugin::Linked(&DllMain));
        if (!RunFrame()) {
            return result_;
        }
        const std::size_t registrations = 1 + in_.Pick(6);
        for (std::size_t i = 0; i < registrations; ++i) {
            // One read per statement: argument order differs between compilers.
            const std::int32_t id = ReadId();
            Register(id, in_.Pick(templates_.size()));
        }
        while (!in_.Exhausted() && result_.frames < maxFrames && PlayOne()) {
        }
        return result_;
    }

  private:
    std::int32_t ReadId() { return submenuIds[in_.Pick(submenuIds.size())]; }

    void ReadTemplates() {
        templates_.resize(1 + in_.Pick(maxTemplates));
        for (Template& rows : templates_) {
            rows.resize(in_.Pick(maxRows + 1));
            for (RowPlan& row : rows) {
                row = ReadRow();
            }
        }
    }

    RowPlan ReadRow() {
        RowPlan row;
        row.kind = static_cast<Kind>(in_.Pick(5));
        switch (row.kind) {
        case Kind::Toggle:
            row.flag = static_cast<int>(in_.Pick(toggleFlags.size() + 1)) - 1;
            [[fallthrough]];
        case Kind::Action:
        case Kind::List:
            row.behaviour = static_cast<Behaviour>(in_.Pick(6));
            if (row.behaviour == Behaviour::Reregister || row.behaviour == Behaviour::ReregisterAndThrow ||
                row.behaviour == Behaviour::RegisterFailing) {
                row.id = ReadId();
                row.templateIndex = in_.Pick(templates_.size());
            }
            row.values = 1 + in_.Pick(maxListValues);
            break;
        case Kind::Link:
            row.id = ReadId();
            break;
        case Kind::Separator:
            break;
        }
        return row;
    }

    void Register(std::int32_t id, std::size_t templateIndex) {
        if (menuController == nullptr) {
            return;
        }
        menuController->AddSubmenu(
            id, "Submenu " + std::to_string(id), "fuzzed",
            [this, templateIndex](Submenu* submenu) { Fill(*submenu, templateIndex); });
    }

    std::function<void()> Action(const RowPlan& row) {
        switch (row.behaviour) {
        case Behaviour::Nothing:
            return [] {};
        case Behaviour::Empty:
            return {};
        case Behaviour::Throw:
            return [] { throw std::runtime_error("the action failed"); };
        case Behaviour::Reregister:
            return [this, row] { Register(row.id, row.templateIndex); };
        case Behaviour::ReregisterAndThrow:
            return [this, row] {
                Register(row.id, row.templateIndex);
                throw std::runtime_error("the action failed after registering");
            };
        case Behaviour::RegisterFailing:
            return [row] {
                menuController->AddSubmenu(row.id, "Failing", "",
                                           [](Submenu*) { throw std::runtime_error("the init failed"); });
            };
        }
        return {};
    }

    void Fill(Submenu& submenu, std::size_t templateIndex) {
        const Template& rows = templates_[templateIndex];
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const RowPlan& row = rows[i];
            const std::string text = "row " + std::to_string(i);
            switch (row.kind) {
            case Kind::Action:
                submenu.AddOption(text, "an action", Action(row));
                break;
            case Kind::Toggle:
                submenu.AddToggle(text, "a toggle",
                                  row.flag >= 0 ? &toggleFlags[static_cast<std::size_t>(row.flag)] : nullptr,
                                  Action(row));
                break;
            case Kind::List: {
                std::vector<std::string> values;
                for (std::size_t v = 0; v < row.values; ++v) {
                    values.push_back("value " + std::to_string(v));
                }
                submenu.AddList(text, "a list", std::move(values), Action(row));
                break;
            }
            case Kind::Link:
                submenu.AddSubmenuLink(text, "a link", row.id);
                break;
            case Kind::Separator:
                submenu.AddSeparator(text);
                break;
            }
        }
    }

    // Runs one frame and checks it; false once an invariant broke.
    bool RunFrame() {
        const NavigationBefore before = TakeNavigationBefore();
        const bool sameController = !restarted_;
        restarted_ = false;
        host_.recorder.Clear();
        runner_.RunFrame();
        ++result_.frames;
        if (radarStale_ && menuController != nullptr && menuController->isOpen) {
            radarStale_ = false;
        }
        if (trace_) {
            Trace();
        }
        std::string broken = CheckAfterFrame(before, sameController, !radarStale_, host_);
        if (!broken.empty()) {
            result_.broken = "frame " + std::to_string(result_.frames) + ": " + broken;
            return false;
        }
        return true;
    }

    // One line per frame: the menu's state and the sounds it played. Set
    // QDT_SCENARIO_TRACE to read what a fuzz input does.
    void Trace() const {
        std::string line = "frame " + std::to_string(result_.frames) + ":";
        if (menuController != nullptr && menuController->currentSubmenu != nullptr) {
            const Menu::Controller& menu = *menuController;
            line += std::string(menu.isOpen ? " open" : " closed") + " submenu " +
                    std::to_string(menu.currentSubmenu->id) + " row " + std::to_string(menu.selectedIndex) +
                    " of " + std::to_string(menu.currentSubmenu->optionCount) + " stack [";
            for (const std::int32_t id : menu.submenuStack) {
                line += " " + std::to_string(id);
            }
            line += " ]";
        }
        for (const sim::NativeCall& call : host_.recorder.Last()) {
            if (call.Is(Native::PlayFrontendSound)) {
                line += " " + call.Text(0);
            }
        }
        std::fprintf(stderr, "%s\n", line.c_str());
    }

    std::uint32_t PromptHandle(bool back) const {
        if (menuController == nullptr) {
            return 0;
        }
        return back ? menuController->backPrompt : menuController->selectPrompt;
    }

    std::optional<bool> ReadForcedAnswer() {
        const std::size_t choice = in_.Pick(3);
        return choice == 2 ? std::nullopt : std::optional<bool>(choice == 1);
    }

    void ForcePrompt() {
        const auto found = host_.game.prompts.find(PromptHandle(in_.Pick(2) == 1));
        const std::size_t field = in_.Pick(3);
        const std::optional<bool> answer = ReadForcedAnswer();
        if (found == host_.game.prompts.end()) {
            return;
        }
        sim::Prompt& prompt = found->second;
        (field == 0   ? prompt.forceValid
         : field == 1 ? prompt.forceActive
                      : prompt.forcePressCompleted) = answer;
    }

    void ForceAnswer() {
        const std::vector<std::uint64_t>& answered = AnsweredNatives();
        const std::uint64_t hash = answered[in_.Pick(answered.size())];
        if (in_.Pick(2) == 0) {
            answers_[hash] = in_.Unsigned<std::uint64_t>();
        } else {
            answers_.erase(hash);
        }
        host_.game.answerOverride = [this](const sim::NativeCall& call) -> std::optional<std::uint64_t> {
            const auto found = answers_.find(call.hash);
            return found != answers_.end() ? std::optional(found->second) : std::nullopt;
        };
    }

    // An init that throws must leave the registry as it was.
    bool RegisterFailingInit() {
        const std::int32_t id = ReadId();
        if (menuController == nullptr) {
            return true;
        }
        const auto found = submenuRegistry.find(id);
        const std::size_t entries = submenuRegistry.size();
        const std::size_t rows = found != submenuRegistry.end() ? found->second.options.size() : 0;
        try {
            menuController->AddSubmenu(id, "Failing", "", [](Submenu* submenu) {
                submenu->AddOption("half-built", "", {});
                throw std::runtime_error("the init failed");
            });
        } catch (const std::runtime_error&) {
        }
        const auto after = submenuRegistry.find(id);
        if (submenuRegistry.size() != entries ||
            (after != submenuRegistry.end() && after->second.options.size() != rows)) {
            result_.broken =
                "a failed registration of submenu " + std::to_string(id) + " changed the registry";
            return false;
        }
        return true;
    }

    // One step of the input; false once an invariant broke.
    bool PlayOne() {
        sim::Game& game = host_.game;
        switch (in_.Pick(20)) {
        case 0:
            return RunFrame();
        case 1: {
            const std::uint32_t control = controls[in_.Pick(controls.size())];
            game.PressControl(control);
            game.ReleaseControl(control);
            break;
        }
        case 2:
            game.PressControl(controls[in_.Pick(controls.size())]);
            break;
        case 3:
            game.ReleaseControl(controls[in_.Pick(controls.size())]);
            break;
        case 4:
            runner_.KeyDown(PluginKeys::Toggle, in_.Pick(2) == 1);
            break;
        case 5:
            runner_.KeyUp(PluginKeys::Toggle);
            break;
        case 6:
            runner_.KeyDown(PluginKeys::FastStep, in_.Pick(2) == 1);
            break;
        case 7:
            runner_.KeyUp(PluginKeys::FastStep);
            break;
        case 8: {
            // Any key code, including those past the table, with any flags.
            const DWORD key = in_.Unsigned<std::uint16_t>() % 300;
            const std::uint8_t flags = in_.Byte();
            if (host_.keyboardHandler != nullptr) {
                host_.keyboardHandler(key, 1, 0, flags & 1, (flags >> 1) & 1, (flags >> 2) & 1,
                                      (flags >> 3) & 1);
            }
            break;
        }
        case 9:
            runner_.Advance(in_.Unsigned<std::uint16_t>());
            break;
        case 10:
            host_.tickCount = in_.Unsigned<std::uint32_t>(); // also across the 49.7-day wrap
            break;
        case 11:
            game.gamepad = !game.gamepad;
            break;
        case 12:
            host_.nullResults = !host_.nullResults;
            break;
        case 13:
            game.globalsMissing = !game.globalsMissing;
            break;
        case 14:
            ForceAnswer();
            break;
        case 15:
            ForcePrompt();
            break;
        case 16: {
            const std::int32_t id = ReadId();
            Register(id, in_.Pick(templates_.size()));
            break;
        }
        case 17:
            runner_.RestartScript();
            restarted_ = true;
            // The new routine starts closed; a radar the old one hid stays hidden.
            radarStale_ = !game.radarShown;
            break;
        case 18:
            return RegisterFailingInit();
        default: {
            const std::size_t frames = 1 + in_.Pick(16);
            for (std::size_t i = 0; i < frames; ++i) {
                if (!RunFrame()) {
                    return false;
                }
            }
            break;
        }
        }
        return true;
    }

    ByteReader in_;
    std::vector<Template> templates_;
    std::map<std::uint64_t, std::uint64_t> answers_;
    sim::StandInHook host_;
    driver::Runner runner_{host_};
    ScenarioResult result_;
    bool restarted_ = false;
    bool radarStale_ = false;
    bool trace_ = std::getenv("QDT_SCENARIO_TRACE") != nullptr;
};

} // namespace

ScenarioResult PlayScenario(std::span<const std::uint8_t> input) {
    RebuildProcessState();
    toggleFlags = {};
    ScenarioResult result;
    {
        Scenario scenario(input);
        result = scenario.Play();
    }
    // The rows' actions refer to the scenario, which is gone: drop them too.
    RebuildProcessState();
    return result;
}
