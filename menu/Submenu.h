// One page of the menu: a title, a subtitle and its rows.
#pragma once

#include "menu/Option.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Menu {

// Filled by its init through the adders below, then moved into the registry
// (Controller::AddSubmenu): keep no pointer to a page or row from init. An
// action reads its own row with Menu::SelectedRow() (menu/Controller.h).
struct Submenu {
    std::function<void(Submenu*)> init; // fills the rows, once, at registration
    std::vector<Option> options;
    std::string title;
    std::string subtitle;
    std::int32_t id = -1;
    std::int32_t maxVisibleOptions = 8;
    std::int32_t optionCount = 0;

    // A plain action row.
    void AddOption(std::string_view text, std::string_view description, std::function<void()> action);

    // A row that flips *target on Select, then runs action (which may be empty).
    void AddToggle(std::string_view text, std::string_view description, bool* target,
                   std::function<void()> action = {});

    // A row that steps through values with left, right and Select. Throws
    // std::invalid_argument when values is empty: a list always holds a value.
    void AddList(std::string_view text, std::string_view description, std::vector<std::string> values,
                 std::function<void()> action = {});

    // A row that opens the submenu registered under targetId on Select.
    void AddSubmenuLink(std::string_view text, std::string_view description, std::int32_t targetId);

    // A row whose Select opens the game's on-screen keyboard on *target, at
    // most maxLength characters; the text typed goes into *target and action
    // runs after. Throws std::invalid_argument for a null target or a
    // maxLength below 1.
    Option& AddTextEntry(std::string_view text, std::string_view description, std::string* target,
                         std::int32_t maxLength, std::function<void()> action = {});

    // A heading row that up and down step over.
    void AddSeparator(std::string_view text);

  private:
    Option& Append(Option option);
};

} // namespace Menu
