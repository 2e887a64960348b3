// One row of a submenu. Its kind is a set of flags on this one record.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
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

    // Number kind: left and right step the value behind one of the targets
    // (not owned; they live as long as the process) by numberStep, stopping
    // at numberMin and numberMax. valueText shows the target's value with
    // `decimals` digits after the point, made again whenever it is drawn or
    // handed out by SelectedRow() and the value is another than numberShown.
    bool isNumber = false;
    std::int32_t* numberTarget = nullptr;
    float* floatTarget = nullptr;
    double numberMin = 0.0;
    double numberMax = 0.0;
    double numberStep = 1.0;
    std::int32_t decimals = 0;
    double numberShown = std::numeric_limits<double>::quiet_NaN(); // the value valueText shows

    // Drawn dimmed; Select, left and right only play the refusal sound.
    bool isDisabled = false;
    // Action and link rows: drawn right-aligned where a list's value stands.
    std::string rightText;
    // A texture drawn as a small icon at the row's right end; none while empty.
    std::string badgeDictionary;
    std::string badgeTexture;
    // Runs when the selection comes onto this row: after a move, or when a
    // page is shown or the menu opened with the selection on it.
    std::function<void()> onHover;

    // Text entry: Select opens the game's on-screen keyboard on *textTarget
    // (not owned; it lives as long as the process), at most textMaxLength
    // characters; rightText shows the value.
    bool isTextEntry = false;
    std::string* textTarget = nullptr;
    std::int32_t textMaxLength = 0;
    // The page's filter row (Submenu::AddFilter): a text row whose text is
    // the page's filter.text, with no textTarget.
    bool isFilter = false;

    // Sets text; a list whose value text was never filled shows its value from now on.
    void SetText(std::string newText);

    // Draws this row if it lies in the visible window of the shown submenu;
    // a number's valueText follows its target first.
    void Draw();
};

} // namespace Menu
