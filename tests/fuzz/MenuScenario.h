// One fuzz input played against the linked plug-in: the input builds submenus
// of every row kind, then plays frames of player input and hostile game
// answers, and the menu's invariants are checked after every frame.
#pragma once

#include <cstdint>
#include <span>
#include <string>

struct ScenarioResult {
    int frames = 0;
    std::string broken; // the first invariant broken, with its frame; empty when all held
};

ScenarioResult PlayScenario(std::span<const std::uint8_t> input);
