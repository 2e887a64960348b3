// One row of a submenu. Its kind is a set of flags on this one record.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Menu {

struct Option {
    std::string text;
    std::string valueText;     // list: always the value at listIndex once set
    std::string description;   // shown while this row is selected
    bool steppedLeft = false;  // only while a left step's action runs
    bool steppedRight = false; // only while a right or select step's action runs
    bool invoking = false;     // only while action runs
    bool valueTextInitialized = false;
    std::vector<std::string> listValues;
    bool* toggleTarget = nullptr; // not owned; lives as long as the process
    std::function<void()> action;
    bool isAction = true;
    bool isToggle = false;
    bool isList = false;
    bool isSubmenuLink = false;
    bool isSeparator = false;
    std::int32_t index = 0; // position in the submenu's options
    std::int32_t listIndex = 0;
    std::int32_t targetSubmenuId = -1;

    // Drawn right-aligned where a list's value stands.
    std::string rightText;

    // Text entry: Select opens the game's on-screen keyboard on *textTarget
    // (not owned; it lives as long as the process), at most textMaxLength
    // characters; rightText shows the value.
    bool isTextEntry = false;
    std::string* textTarget = nullptr;
    std::int32_t textMaxLength = 0;

    // Sets text; a list whose value text was never filled shows its first value from now on.
    void SetText(std::string newText);

    // Draws this row if it lies in the visible window of the shown submenu.
    void Draw() const;
};

} // namespace Menu
