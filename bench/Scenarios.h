// The steady frames whose cost is measured: the plug-in loaded into the null
// host and left in one state, frame after frame.
#pragma once

#include "bench/CallStream.h"

#include <optional>
#include <string_view>

enum class Scenario {
    Closed,          // start-up done, menu closed
    VoiceMenuOpen,   // the main submenu's six voice rows
    TenRowsScrolled, // list, toggle, link and separator rows, last row selected
};

inline constexpr Scenario AllScenarios[] = {Scenario::Closed, Scenario::VoiceMenuOpen,
                                            Scenario::TenRowsScrolled};

std::string_view ScenarioName(Scenario scenario);
std::optional<Scenario> ScenarioNamed(std::string_view name);

// Loads the plug-in afresh into the null host and brings it to the scenario's state.
void StartScenario(Scenario scenario);
// One frame: what the script routine does between two waits.
void RunFrame();
// One frame, with its native calls recorded.
CallStream RecordFrame();
