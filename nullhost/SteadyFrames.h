// The steady frames whose cost is measured: the plug-in loaded into the null
// host and left in one state, frame after frame.
#pragma once

#include "nullhost/CallStream.h"

#include <optional>
#include <string_view>

enum class Scenario {
    Closed,          // start-up done, menu closed
    VoiceMenuOpen,   // the main submenu's six voice rows
    TenRowsScrolled, // list, toggle, link and separator rows, last row selected
    RowKinds,        // number, disabled, right-text and badge rows, a number selected
    MouseOnRow,      // the voice rows with the mouse on, the cursor at rest on a row
    LongPage,        // 2,000 rows under a filter row, the 1,000th selected
};

inline constexpr Scenario AllScenarios[] = {Scenario::Closed,          Scenario::VoiceMenuOpen,
                                            Scenario::TenRowsScrolled, Scenario::RowKinds,
                                            Scenario::MouseOnRow,      Scenario::LongPage};

std::string_view ScenarioName(Scenario scenario);
std::optional<Scenario> ScenarioNamed(std::string_view name);

// What changes before the first frame that shows it: another selected row, the
// selected list's next value, another page. Made straight in the menu's state,
// so that frame makes the calls a steady frame of the new state makes.
enum class Change { Row, ListValue, Page };

inline constexpr Change AllChanges[] = {Change::Row, Change::ListValue, Change::Page};

std::string_view ChangeName(Change change);
std::optional<Change> ChangeNamed(std::string_view name);
// False when the scenario has nothing to change that way (no list, closed).
bool MakeChange(Change change);

// Loads the plug-in afresh into the null host and brings it to the scenario's state.
void StartScenario(Scenario scenario);
// The long page's own costs: registering its 2,000 rows under id (their
// labels are made once, before), and filtering the main page's rows by text.
void RegisterLongPage(std::int32_t id);
void FilterLongPage(std::string_view text);

// One frame: what the script routine does between two waits.
void RunFrame();
// One frame, with its native calls recorded.
CallStream RecordFrame();
