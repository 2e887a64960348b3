// One page of the menu: a title, a subtitle and its rows.
#pragma once

#include "menu/Filter.h"
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
    std::function<void(Submenu*)> init; // fills the rows at registration, and at each rebuild
    std::vector<Option> options;
    std::string title;
    std::string subtitle;
    std::int32_t id = -1;
    std::int32_t maxVisibleOptions = 8;
    std::int32_t optionCount = 0;

    // Its init runs again each time a link or Back shows it
    // (Controller::AddDynamicSubmenu).
    bool isDynamic = false;
    // Run when a link, Back or Controller::OpenSubmenu shows this page, after
    // a rebuild, and when one of them leaves it. Set them in init.
    std::function<void()> onEnter;
    std::function<void()> onLeave;
    // What the filter row typed and the rows it leaves shown (menu/Filter.h).
    RowFilter filter;

    // Each adder returns the row it added, to set more of it
    // (page->AddOption(...).rightText = "$25"): valid until the next row is
    // added, and only within init.

    // A plain action row.
    Option& AddOption(std::string_view text, std::string_view description, std::function<void()> action);

    // A row that flips *target on Select, then runs action (which may be empty).
    Option& AddToggle(std::string_view text, std::string_view description, bool* target,
                      std::function<void()> action = {});

    // A row that steps through values with left, right and Select. Throws
    // std::invalid_argument when values is empty: a list always holds a value.
    Option& AddList(std::string_view text, std::string_view description, std::vector<std::string> values,
                    std::function<void()> action = {});
    // The same, showing the value at startIndex from the first frame. Throws
    // std::invalid_argument when startIndex names no value.
    Option& AddList(std::string_view text, std::string_view description, std::vector<std::string> values,
                    std::int32_t startIndex, std::function<void()> action = {});

    // A row whose left and right step *target by step between min and max
    // (they stop there); Select runs action, and so does each step, after it.
    // The value shows where a list's does, as the target holds it now. Throws
    // std::invalid_argument for a null target, min above max or a step not
    // above 0.
    Option& AddNumber(std::string_view text, std::string_view description, std::int32_t* target,
                      std::int32_t min, std::int32_t max, std::int32_t step,
                      std::function<void()> action = {});
    // The same for a float shown with `decimals` digits after the point (0 to
    // 6). Each step lands on min plus a whole number of steps, rounded to
    // those digits, so 0.1 taken twenty times is 2.0.
    Option& AddNumber(std::string_view text, std::string_view description, float* target, float min,
                      float max, float step, std::int32_t decimals, std::function<void()> action = {});

    // A row that opens the submenu registered under targetId on Select.
    Option& AddSubmenuLink(std::string_view text, std::string_view description, std::int32_t targetId);

    // A row whose Select opens the game's on-screen keyboard on *target, at
    // most maxLength characters; the text typed goes into *target and action
    // runs after. Throws std::invalid_argument for a null target or a
    // maxLength below 1.
    Option& AddTextEntry(std::string_view text, std::string_view description, std::string* target,
                         std::int32_t maxLength, std::function<void()> action = {});

    // A row that takes typed text through the game's keyboard, as a text row
    // does, and shows only the rows after it whose label holds that text
    // (ASCII letters in either case), each under its heading; "No match"
    // when none does. The counter, moves and the mouse see only what is
    // shown. The text is the page's own: it holds across a link and Back
    // and a rebuild; an empty text shows every row. One a page: a second
    // takes the first one's place.
    Option& AddFilter(std::string_view text, std::string_view description);

    // A heading row that up and down step over.
    Option& AddSeparator(std::string_view text);

  private:
    // Sets the row's text (after its kind: a list's value follows from it),
    // description and action, then adds it at the end.
    Option& Append(Option option, std::string_view text, std::string_view description = {},
                   std::function<void()> action = {});
};

} // namespace Menu
