// The pages a fuzz input registers: every row kind with its values at their
// edges, decorations, and events, actions and frame tasks that do what a
// plug-in's may (throw, register or rebuild pages, add tasks, change the
// values rows show behind the menu's back).
#pragma once

#include "tests/fuzz/ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Menu {
struct Submenu;
struct Option;
} // namespace Menu

// What an action, an event or a frame task does when it runs.
enum class Behaviour : std::uint8_t {
    Nothing,
    Empty, // no callable at all
    Throw,
    Reregister,
    ReregisterAndThrow,
    RegisterFailing,
    Refresh,
    AddTask,
    Open,
    ToggleMouse,
    ChangeTargets,
    Draw, // the selected row drawn by the plug-in, and a text of its own at places no row has
    Count
};

struct EventPlan {
    Behaviour behaviour = Behaviour::Nothing;
    std::int32_t id = 0;           // the page registered, rebuilt or opened
    std::size_t templateIndex = 0; // its rows, when registered
    std::size_t task = 0;          // the task added
};

enum class Kind : std::uint8_t { Action, Toggle, List, Link, Separator, Whole, Real, Text, Filter, Count };

// One row of a template, as read from the input.
struct RowPlan {
    Kind kind = Kind::Action;
    EventPlan action;
    std::int32_t id = 0;    // link: the page it opens
    std::size_t target = 0; // toggle, number and text rows: which target
    std::size_t values = 1; // list: 0 is refused
    std::int32_t start = 0; // list: the value shown first; `values` is refused
    std::int32_t wholeMin = 0, wholeMax = 0, wholeStep = 1;
    float realMin = 0.0f, realMax = 0.0f, realStep = 1.0f;
    std::int32_t decimals = 0;
    std::int32_t maxLength = 1;
    bool disabled = false;
    std::size_t rightText = 0; // 0: none
    std::size_t badge = 0;     // 0: none
    bool hovered = false;
    EventPlan hover;
};

struct PagePlan {
    bool dynamic = false;
    EventPlan onEnter;
    EventPlan onLeave;
    std::vector<RowPlan> rows;
};

// The ids inputs pick from: registered and unregistered alike, top level (below 1) and deeper.
std::int32_t PickId(ByteReader& in);

// Texts a mod may give the menu: empty, long, control characters, markup,
// placeholders, not UTF-8. Index 0 is empty.
const std::vector<std::string>& HostileTexts();

class ScenarioPages {
  public:
    explicit ScenarioPages(ByteReader& in) : in_(in) {}

    // The templates, the frame tasks' plans and the menu's own events.
    void Read();
    // Registers page id with a template's rows (plain or dynamic as the template says).
    void Register(std::int32_t id, std::size_t templateIndex);
    // The plans' run at start-up: the menu's open and close events, a first task.
    void InstallMenuEvents();
    std::size_t TemplateCount() const { return templates_.size(); }

    // After a restart with settings kept: rows are kept under names and hold
    // hotkeys, some of them refused, some on keys taken twice or the menu's.
    bool keepSettings = false;

    EventPlan ReadEvent();
    std::function<void()> Event(const EventPlan& plan);
    // Values other code writes into the rows' targets, a new set each time.
    void ChangeTargets();

  private:
    RowPlan ReadRow();
    void ReadNumber(RowPlan& row);
    void Fill(Menu::Submenu& page, std::size_t templateIndex);
    Menu::Option& AddRow(Menu::Submenu& page, const RowPlan& row, std::size_t at);
    void Decorate(Menu::Option& option, const RowPlan& row);
    void Keep(Menu::Option& option, const RowPlan& row, std::size_t templateIndex, std::size_t at) const;
    void Run(const EventPlan& plan);
    void DrawOwnTexts();

    ByteReader& in_;
    std::vector<PagePlan> templates_;
    std::vector<EventPlan> tasks_;
    EventPlan onOpen_;
    EventPlan onClose_;
    std::size_t tasksAdded_ = 0;
    std::size_t changes_ = 0;
    std::size_t running_ = 0; // events running inside one another
};

// The targets rows point at: process-wide, as a plug-in's are; reset per scenario.
void ResetScenarioTargets();

// The keys kept rows' hotkeys take, the menu's own among them; 0 is none.
inline constexpr std::uint32_t scenarioHotkeys[] = {0, 0x77, 'A', 0x74, '1', 0x74};
