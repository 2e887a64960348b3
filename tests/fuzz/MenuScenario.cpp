#include "tests/fuzz/MenuScenario.h"

#include "host/PluginKeys.h"
#include "tests/fuzz/ByteReader.h"
#include "tests/fuzz/MenuInvariants.h"
#include "tests/fuzz/ScenarioGame.h"
#include "tests/fuzz/ScenarioPages.h"
#include "tests/fuzz/ScenarioSettings.h"

#include "driver/Runner.h"
#include "host/GameControls.h"
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
#include <utility>
#include <vector>

namespace {

using Menu::Submenu;

constexpr std::array<std::uint32_t, 14> controls = {
    Menu::UpControl,
    Menu::DownControl,
    Menu::LeftControl,
    Menu::RightControl,
    Menu::SelectControl,
    Menu::BackControl,
    Menu::ChordModifierControl,
    Menu::ChordControl,
    control::INPUT_CURSOR_ACCEPT,
    control::INPUT_CURSOR_CANCEL,
    control::INPUT_CURSOR_SCROLL_UP,
    control::INPUT_CURSOR_SCROLL_DOWN,
    Menu::PageUpControl,
    Menu::PageDownControl,
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

constexpr int maxFrames = 400;

class Scenario {
  public:
    explicit Scenario(std::span<const std::uint8_t> input) : in_(input) {}

    ScenarioResult Play() {
        pages_.Read();
        runner_.Load(driver::Plugin::Linked(&DllMain));
        if (!RunFrame()) {
            return result_;
        }
        const std::size_t registrations = 1 + in_.Pick(6);
        for (std::size_t i = 0; i < registrations; ++i) {
            // One read per statement: argument order differs between compilers.
            const std::int32_t id = PickId(in_);
            Register(id, in_.Pick(pages_.TemplateCount()));
        }
        pages_.InstallMenuEvents();
        while (!in_.Exhausted() && result_.frames < maxFrames && PlayOne()) {
        }
        return result_;
    }

  private:
    // A template an adder refuses fails to register, as a plug-in's page would.
    void Register(std::int32_t id, std::size_t templateIndex) {
        registered_.emplace_back(id, templateIndex);
        try {
            pages_.Register(id, templateIndex);
        } catch (const std::exception&) {
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
            if (call.Is(native::PlayFrontendSound)) {
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

    void ForceAnswer(std::uint64_t hash, std::optional<std::uint64_t> answer) {
        if (answer) {
            answers_[hash] = *answer;
        } else {
            answers_.erase(hash);
        }
        host_.game.answerOverride = [this](const sim::NativeCall& call) -> std::optional<std::uint64_t> {
            const auto found = answers_.find(call.hash);
            return found != answers_.end() ? std::optional(found->second) : std::nullopt;
        };
    }

    void ForceAnyAnswer() {
        const std::vector<std::uint64_t>& answered = AnsweredNatives();
        const std::uint64_t hash = answered[in_.Pick(answered.size())];
        const bool set = in_.Pick(2) == 0;
        ForceAnswer(hash, set ? std::optional(in_.Unsigned<std::uint64_t>()) : std::nullopt);
    }

    // The game's keyboard answering still editing, finished, cancelled, not
    // active, anything else, or as the game does.
    void ForceKeyboardAnswer() {
        const std::size_t choice = in_.Pick(6);
        const std::optional<std::uint64_t> answer =
            choice < 4    ? std::optional<std::uint64_t>(choice)
            : choice == 4 ? std::optional<std::uint64_t>(in_.Unsigned<std::uint32_t>())
                          : std::nullopt;
        ForceAnswer(native::UpdateOnscreenKeyboard, answer);
    }

    // A left or right held across a jump of the clock, then frames.
    bool HoldAcrossTime() {
        const std::uint32_t control = in_.Pick(2) == 0 ? Menu::LeftControl : Menu::RightControl;
        host_.game.PressControl(control);
        if (!RunFrame()) {
            return false;
        }
        runner_.Advance(in_.Unsigned<std::uint32_t>());
        for (std::size_t frames = 1 + in_.Pick(8); frames > 0; --frames) {
            if (!RunFrame()) {
                return false;
            }
        }
        host_.game.ReleaseControl(control);
        return true;
    }

    // An init that throws must leave the registry as it was.
    bool RegisterFailingInit() {
        const std::int32_t id = PickId(in_);
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

    // What a plug-in's other code does between frames: rebuild, open, register, change values.
    void RunEventBetweenFrames() {
        const std::function<void()> event = pages_.Event(pages_.ReadEvent());
        if (menuController == nullptr || !event) {
            return;
        }
        try {
            event();
        } catch (const std::exception&) {
        }
    }

    bool FillMarkupOfHostileValues() {
        const std::vector<std::string>& texts = HostileTexts();
        Menu::MarkupValues values;
        for (std::string_view& value : values) {
            value = texts[in_.Pick(texts.size())];
        }
        result_.broken = CheckMarkupFill(values);
        return result_.broken.empty();
    }

    // One step of the input; false once an invariant broke.
    bool PlayOne() {
        sim::Game& game = host_.game;
        switch (in_.Pick(29)) {
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
            runner_.KeyDown(plugin_keys::Toggle, in_.Pick(2) == 1);
            break;
        case 5:
            runner_.KeyUp(plugin_keys::Toggle);
            break;
        case 6:
            runner_.KeyDown(plugin_keys::FastStep, in_.Pick(2) == 1);
            break;
        case 7:
            runner_.KeyUp(plugin_keys::FastStep);
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
            ForceAnyAnswer();
            break;
        case 15:
            ForcePrompt();
            break;
        case 16: {
            const std::int32_t id = PickId(in_);
            Register(id, in_.Pick(pages_.TemplateCount()));
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
        case 20:
            PlaceCursor(in_, game);
            break;
        case 21:
            if (menuController != nullptr) {
                menuController->mouseEnabled = !menuController->mouseEnabled;
            }
            break;
        case 22:
            PlayKeyboard(in_, game);
            break;
        case 23:
            ForceKeyboardAnswer();
            break;
        case 24:
            SetLook(in_);
            break;
        case 25:
            RunEventBetweenFrames();
            break;
        case 26:
            return HoldAcrossTime();
        case 27:
            return FillMarkupOfHostileValues();
        case 28:
            return PlayKeptSettings();
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

    // Settings kept across games: a hotkey's key tapped, the folder spoiled,
    // or the game ended and started again on a settings file of the input's.
    bool PlayKeptSettings() {
        const std::size_t choice = in_.Pick(3);
        if (choice == 0) {
            const std::uint32_t key = scenarioHotkeys[in_.Pick(std::size(scenarioHotkeys))];
            runner_.KeyDown(key);
            runner_.KeyUp(key);
            return true;
        }
        if (choice == 1) {
            SpoilScenarioFolder(in_, host_);
            return true;
        }
        if (host_.gameFolder.empty()) {
            PlaceInScenarioFolder(host_);
        }
        runner_.Unload();
        WriteScenarioSettings(in_, host_);
        RebuildProcessState();
        ResetScenarioTargets();
        Menu::settings.enabled = true;
        pages_.keepSettings = true;
        runner_.Load(driver::Plugin::Linked(&DllMain));
        restarted_ = true;
        radarStale_ = !host_.game.radarShown;
        if (!RunFrame()) {
            return false;
        }
        // The game's pages, registered again as a plug-in's start-up would.
        const std::vector<std::pair<std::int32_t, std::size_t>> pages = std::exchange(registered_, {});
        for (const auto& [id, templateIndex] : pages) {
            Register(id, templateIndex);
        }
        pages_.InstallMenuEvents();
        return true;
    }

    ByteReader in_;
    ScenarioPages pages_{in_};
    std::vector<std::pair<std::int32_t, std::size_t>> registered_;
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
    ResetScenarioTargets();
    ScenarioResult result;
    {
        Scenario scenario(input);
        result = scenario.Play();
    }
    // The rows' actions refer to the scenario, which is gone: drop them too.
    RebuildProcessState();
    RemoveScenarioFolder();
    return result;
}
