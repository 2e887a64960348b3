#include "tests/fuzz/ScenarioPages.h"

#include "tests/fuzz/MenuInvariants.h"

#include "host/ProcessState.h"
#include "menu/Text.h"

#include <array>
#include <limits>
#include <stdexcept>

namespace {

using Menu::Option;
using Menu::Submenu;

constexpr std::array<std::int32_t, 8> submenuIds = {0, 1, 2, 5, 7, -1, -3, 1000000};

constexpr std::size_t maxTemplates = 8;
constexpr std::size_t maxRows = 23; // past a window of 8 and a Shift step of 10
constexpr std::size_t maxListValues = 5;
constexpr std::size_t maxTaskPlans = 4;
constexpr std::size_t maxTasksAdded = 8; // tasks that add tasks stop here
constexpr std::size_t maxEventDepth = 4;

constexpr std::int32_t intMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t intMax = std::numeric_limits<std::int32_t>::max();
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();

// Ends and steps at their edges; the last ones of each the adders refuse.
constexpr std::array<std::int32_t, 8> wholeValues = {intMin, -1000000, -1, 0, 1, 23, 1000000, intMax};
constexpr std::array<std::int32_t, 7> wholeSteps = {1, 2, 7, 1000000, intMax, 0, -1};
constexpr std::array<float, 12> realValues = {-3e38f, -1e12f, -1000.5f, -1.0f, 0.0f,       0.1f,
                                              1.0f,   2.5f,   1e12f,    3e38f, notANumber, infinity};
constexpr std::array<float, 7> realSteps = {1e-6f, 0.1f, 0.25f, 1.0f, 1e30f, 0.0f, notANumber};
constexpr std::array<std::int32_t, 7> maxLengths = {1, 2, 10, 100, 4096, intMax, 0};

// Targets rows point at; each must outlive its rows.
std::array<bool, 3> toggleFlags;
std::array<std::int32_t, 3> wholeTargets;
std::array<float, 3> realTargets;
std::array<std::string, 3> textTargets;

// What other code may leave in a target.
constexpr std::array<std::int32_t, 6> wholeChanges = {intMin, intMax, -1, 0, 5, 1000001};
constexpr std::array<float, 8> realChanges = {notANumber, infinity, -infinity, 3.4e38f,
                                              -1e12f,     1e-7f,    0.05f,     -0.5f};

// The target at index, or none past the last.
template <typename Targets> auto* Target(Targets& targets, std::size_t index) {
    return index < targets.size() ? &targets[index] : nullptr;
}

template <typename Table> auto PickFrom(ByteReader& in, const Table& table) {
    return table[in.Pick(table.size())];
}

} // namespace

std::int32_t PickId(ByteReader& in) {
    return PickFrom(in, submenuIds);
}

const std::vector<std::string>& HostileTexts() {
    static const std::vector<std::string> texts = {
        "",
        "$25",
        std::string(300, 'W'),
        "\x01\x02\t\n\x7f",
        "\xff\xfe\xc3(",
        "\xc3\xa9t\xc3\xa9 \xf0\x9f\x90\x8e",
        "~r~<FONT SIZE='99'>",
        "%s%s",
        std::string(300, '\xe9'),
        "\xed\xa0\x80\xf4\x90\x80\x80\xc0\xaf\xe2\x82(",
        std::string("cut\0here", 8),
        "ROW 1", // a filter's text that some rows hold, in another case
    };
    return texts;
}

void ResetScenarioTargets() {
    toggleFlags = {};
    wholeTargets = {};
    realTargets = {};
    textTargets = {"Arthur", "", "\xff not text"};
}

EventPlan ScenarioPages::ReadEvent() {
    EventPlan plan;
    plan.behaviour = static_cast<Behaviour>(in_.Pick(static_cast<std::size_t>(Behaviour::Count)));
    switch (plan.behaviour) {
    case Behaviour::Reregister:
    case Behaviour::ReregisterAndThrow:
        plan.id = PickId(in_);
        plan.templateIndex = in_.Pick(templates_.empty() ? maxTemplates : templates_.size());
        break;
    case Behaviour::RegisterFailing:
    case Behaviour::Refresh:
    case Behaviour::Open:
        plan.id = PickId(in_);
        break;
    case Behaviour::AddTask:
        plan.task = in_.Pick(maxTaskPlans);
        break;
    default:
        break;
    }
    return plan;
}

void ScenarioPages::ReadNumber(RowPlan& row) {
    row.target = in_.Pick(wholeTargets.size() + 1); // the last is none, which the adders refuse
    if (row.kind == Kind::Whole) {
        row.wholeMin = PickFrom(in_, wholeValues);
        row.wholeMax = PickFrom(in_, wholeValues);
        row.wholeStep = PickFrom(in_, wholeSteps);
    } else {
        row.realMin = PickFrom(in_, realValues);
        row.realMax = PickFrom(in_, realValues);
        row.realStep = PickFrom(in_, realSteps);
        row.decimals = static_cast<std::int32_t>(in_.Pick(8)); // 7 is refused
    }
}

RowPlan ScenarioPages::ReadRow() {
    RowPlan row;
    row.kind = static_cast<Kind>(in_.Pick(static_cast<std::size_t>(Kind::Count)));
    switch (row.kind) {
    case Kind::Link:
        row.id = PickId(in_);
        break;
    case Kind::Separator:
    case Kind::Filter:
        break;
    case Kind::Whole:
    case Kind::Real:
        ReadNumber(row);
        row.action = ReadEvent();
        break;
    case Kind::Text:
        row.target = in_.Pick(textTargets.size() + 1);
        row.maxLength = PickFrom(in_, maxLengths);
        row.action = ReadEvent();
        break;
    default:                                           // action, toggle, list
        row.target = in_.Pick(toggleFlags.size() + 1); // toggle: the last is none
        row.values = in_.Pick(maxListValues + 1);
        if (row.kind == Kind::List) {
            row.start = static_cast<std::int32_t>(in_.Pick(row.values + 1));
        }
        row.action = ReadEvent();
        break;
    }
    // Decorations: disabled, right-hand text, badge, hover.
    const std::uint8_t decoration = in_.Byte();
    row.disabled = (decoration & 1) != 0;
    row.rightText = (decoration & 2) != 0 ? in_.Pick(HostileTexts().size()) : 0;
    row.badge = (decoration & 4) != 0 ? 1 + in_.Pick(HostileTexts().size()) : 0;
    row.hovered = (decoration & 8) != 0;
    if (row.hovered) {
        row.hover = ReadEvent();
    }
    return row;
}

void ScenarioPages::Read() {
    templates_.resize(1 + in_.Pick(maxTemplates));
    for (PagePlan& page : templates_) {
        const std::uint8_t flags = in_.Byte();
        page.dynamic = (flags & 1) != 0;
        if ((flags & 2) != 0) {
            page.onEnter = ReadEvent();
            page.onLeave = ReadEvent();
        }
        page.rows.resize(in_.Pick(maxRows + 1));
        for (RowPlan& row : page.rows) {
            row = ReadRow();
        }
    }
    tasks_.resize(in_.Pick(maxTaskPlans + 1));
    for (EventPlan& task : tasks_) {
        task = ReadEvent();
    }
    onOpen_ = ReadEvent();
    onClose_ = ReadEvent();
}

void ScenarioPages::InstallMenuEvents() {
    if (menuController == nullptr) {
        return;
    }
    menuController->onOpen = Event(onOpen_);
    menuController->onClose = Event(onClose_);
    if (!tasks_.empty()) {
        menuController->AddFrameTask(Event(tasks_.front()));
    }
}

void ScenarioPages::Register(std::int32_t id, std::size_t templateIndex) {
    if (menuController == nullptr) {
        return;
    }
    const bool dynamic = templates_[templateIndex].dynamic;
    auto init = [this, templateIndex](Submenu* page) { Fill(*page, templateIndex); };
    const std::string title = "Submenu " + std::to_string(id);
    // A template whose rows an adder refuses throws here, as a plug-in's init would.
    if (dynamic) {
        menuController->AddDynamicSubmenu(id, title, "fuzzed", init);
    } else {
        menuController->AddSubmenu(id, title, "fuzzed", init);
    }
}

void ScenarioPages::ChangeTargets() {
    const std::size_t n = changes_++;
    for (std::size_t i = 0; i < wholeTargets.size(); ++i) {
        wholeTargets[i] = wholeChanges[(n + i) % wholeChanges.size()];
        realTargets[i] = realChanges[(n + i) % realChanges.size()];
        textTargets[i] = HostileTexts()[(n + i) % HostileTexts().size()];
    }
}

void ScenarioPages::Run(const EventPlan& plan) {
    // A page's event that opens a page whose event opens it again recurses
    // for ever in any menu: a plug-in's fault, cut short here.
    if (running_ >= maxEventDepth) {
        return;
    }
    ++running_;
    const struct Leave {
        std::size_t& depth;
        ~Leave() { --depth; }
    } leave{running_};
    switch (plan.behaviour) {
    case Behaviour::Nothing:
    case Behaviour::Empty:
    case Behaviour::Count:
        return;
    case Behaviour::Throw:
        throw std::runtime_error("the event failed");
    case Behaviour::Reregister:
        Register(plan.id, plan.templateIndex % templates_.size());
        return;
    case Behaviour::ReregisterAndThrow:
        Register(plan.id, plan.templateIndex % templates_.size());
        throw std::runtime_error("the event failed after registering");
    case Behaviour::RegisterFailing:
        menuController->AddSubmenu(plan.id, "Failing", "",
                                   [](Submenu*) { throw std::runtime_error("the init failed"); });
        return;
    case Behaviour::Refresh:
        menuController->RefreshSubmenu(plan.id);
        return;
    case Behaviour::AddTask:
        if (plan.task < tasks_.size() && tasksAdded_ < maxTasksAdded) {
            ++tasksAdded_;
            menuController->AddFrameTask(Event(tasks_[plan.task]));
        }
        return;
    case Behaviour::Open:
        WitnessPageOpened();
        menuController->OpenSubmenu(plan.id);
        return;
    case Behaviour::ToggleMouse:
        menuController->mouseEnabled = !menuController->mouseEnabled;
        return;
    case Behaviour::ChangeTargets:
        ChangeTargets();
        return;
    case Behaviour::Draw:
        DrawOwnTexts();
        return;
    }
}

void ScenarioPages::DrawOwnTexts() {
    if (Option* row = Menu::SelectedRow()) {
        row->Draw();
    }
    const std::size_t n = changes_++;
    constexpr std::array<float, 4> places = {notANumber, 3e38f, -3e38f, 100.0f};
    const auto alignment = static_cast<Menu::TextAlignment>(n % 4); // 3 is no alignment
    // Right-aligned text stands at whole pixels, which any x gives; the others take x as it is.
    const float x = alignment == Menu::TextAlignment::Right ? places[n / 4 % places.size()] : places[3];
    Menu::DrawText(HostileTexts()[n % HostileTexts().size()], static_cast<int>(n % 3) - 1, 255, 255, 255, 255,
                   alignment, 22, x, 500.0f, 0);
}

std::function<void()> ScenarioPages::Event(const EventPlan& plan) {
    if (plan.behaviour == Behaviour::Empty) {
        return {};
    }
    return [this, plan] { Run(plan); };
}

void ScenarioPages::Decorate(Option& option, const RowPlan& row) {
    option.isDisabled = row.disabled;
    option.rightText = row.rightText != 0 ? HostileTexts()[row.rightText] : option.rightText;
    if (row.badge != 0) {
        option.badgeDictionary = row.badge % 2 == 0 ? "generic_textures" : HostileTexts()[row.badge - 1];
        option.badgeTexture = row.badge % 3 == 0 ? "tick" : HostileTexts()[row.badge - 1];
    }
    if (row.hovered) {
        option.onHover = Event(row.hover);
    }
}

Option& ScenarioPages::AddRow(Submenu& page, const RowPlan& row, std::size_t at) {
    const std::string text = "row " + std::to_string(at);
    // Every row's action first tells the invariants it ran, then does its part.
    std::function<void()> action;
    if (row.action.behaviour != Behaviour::Empty) {
        action = [this, plan = row.action] {
            WitnessRowAction();
            Run(plan);
        };
    }
    switch (row.kind) {
    case Kind::Toggle:
        return page.AddToggle(text, "a toggle", Target(toggleFlags, row.target), action);
    case Kind::List: {
        std::vector<std::string> values;
        for (std::size_t v = 0; v < row.values; ++v) {
            values.push_back("value " + std::to_string(v));
        }
        return row.start == 0 ? page.AddList(text, "a list", std::move(values), action)
                              : page.AddList(text, "a list", std::move(values), row.start, action);
    }
    case Kind::Link:
        return page.AddSubmenuLink(text, "a link", row.id);
    case Kind::Separator:
        return page.AddSeparator(text);
    case Kind::Whole:
        return page.AddNumber(text, "a whole number", Target(wholeTargets, row.target), row.wholeMin,
                              row.wholeMax, row.wholeStep, action);
    case Kind::Real:
        return page.AddNumber(text, "a real number", Target(realTargets, row.target), row.realMin,
                              row.realMax, row.realStep, row.decimals, action);
    case Kind::Text:
        return page.AddTextEntry(text, "a text", Target(textTargets, row.target), row.maxLength, action);
    case Kind::Filter:
        return page.AddFilter(text, "a filter");
    default:
        return page.AddOption(text, "an action", action);
    }
}

void ScenarioPages::Fill(Submenu& page, std::size_t templateIndex) {
    const PagePlan& plan = templates_[templateIndex];
    page.onEnter = Event(plan.onEnter);
    page.onLeave = Event(plan.onLeave);
    for (std::size_t i = 0; i < plan.rows.size(); ++i) {
        Option& option = AddRow(page, plan.rows[i], i);
        Decorate(option, plan.rows[i]);
        if (keepSettings) {
            Keep(option, plan.rows[i], templateIndex, i);
        }
    }
}

// Names and keys follow from the template and the row's place, so a page
// registered again after a restart keeps the same ones. A badge of 2 or 3
// also asks for what registration refuses: a name no line holds, a hotkey
// on a row that cannot run one.
void ScenarioPages::Keep(Option& option, const RowPlan& row, std::size_t templateIndex,
                         std::size_t at) const {
    const bool value = row.kind == Kind::Toggle || row.kind == Kind::List || row.kind == Kind::Whole ||
                       row.kind == Kind::Real || row.kind == Kind::Text;
    if (value || row.badge == 2) {
        option.savedAs =
            row.badge == 2 ? "no dot" : "t" + std::to_string(templateIndex) + ".row " + std::to_string(at);
    }
    if (row.kind == Kind::Action || row.kind == Kind::Toggle || row.badge == 3) {
        option.hotkey = scenarioHotkeys[(templateIndex + at) % std::size(scenarioHotkeys)];
    }
}
