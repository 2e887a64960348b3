#include "menu/Menu.h"

#include "menu/Number.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace Menu {

void Option::SetText(std::string newText) {
    text = std::move(newText);
    if (isList && !frame.valueTextInitialized && !listValues.empty()) {
        // The value at listIndex: the first unless the list was given a start.
        const bool inside = listIndex >= 0 && static_cast<std::size_t>(listIndex) < listValues.size();
        valueText = listValues[inside ? static_cast<std::size_t>(listIndex) : 0];
        frame.valueTextInitialized = true;
    }
}

Option& Submenu::Append(Option option, std::string_view text, std::string_view description,
                        std::function<void()> action) {
    option.SetText(std::string(text));
    option.description = description;
    option.action = std::move(action);
    option.index = static_cast<std::int32_t>(options.size());
    options.push_back(std::move(option));
    ++optionCount;
    return options.back();
}

Option& Submenu::AddOption(std::string_view text, std::string_view description,
                           std::function<void()> action) {
    return Append(Option{}, text, description, std::move(action));
}

Option& Submenu::AddToggle(std::string_view text, std::string_view description, bool* target,
                           std::function<void()> action) {
    Option option;
    option.isAction = false;
    option.isToggle = true;
    option.toggleTarget = target;
    return Append(std::move(option), text, description, std::move(action));
}

Option& Submenu::AddList(std::string_view text, std::string_view description, std::vector<std::string> values,
                         std::function<void()> action) {
    return AddList(text, description, std::move(values), 0, std::move(action));
}

Option& Submenu::AddList(std::string_view text, std::string_view description, std::vector<std::string> values,
                         std::int32_t startIndex, std::function<void()> action) {
    if (values.empty()) {
        throw std::invalid_argument("a list row needs at least one value");
    }
    if (startIndex < 0 || static_cast<std::size_t>(startIndex) >= values.size()) {
        throw std::invalid_argument("a list row's start index names none of its values");
    }
    Option option;
    option.isAction = false;
    option.isList = true;
    option.listValues = std::move(values);
    option.listIndex = startIndex;
    return Append(std::move(option), text, description, std::move(action));
}

Option& Submenu::AddNumber(std::string_view text, std::string_view description, std::int32_t* target,
                           std::int32_t min, std::int32_t max, std::int32_t step,
                           std::function<void()> action) {
    if (target == nullptr || min > max || step <= 0) {
        throw std::invalid_argument("a number row needs a target, min not above max and a step above 0");
    }
    Option option;
    option.isAction = false;
    option.isNumber = true;
    option.numberTarget = target;
    option.numberMin = min;
    option.numberMax = max;
    option.numberStep = step;
    ShowNumber(option);
    return Append(std::move(option), text, description, std::move(action));
}

Option& Submenu::AddNumber(std::string_view text, std::string_view description, float* target, float min,
                           float max, float step, std::int32_t decimals, std::function<void()> action) {
    // Written so that a NaN fails each test.
    if (target == nullptr || !(min <= max) || !(step > 0.0f) || !std::isfinite(max - min) || decimals < 0 ||
        decimals > 6) {
        throw std::invalid_argument(
            "a number row needs a target, min not above max, a step above 0 and 0 to 6 decimals");
    }
    Option option;
    option.isAction = false;
    option.isNumber = true;
    option.floatTarget = target;
    option.numberMin = min;
    option.numberMax = max;
    option.numberStep = step;
    option.decimals = decimals;
    ShowNumber(option);
    return Append(std::move(option), text, description, std::move(action));
}

Option& Submenu::AddSubmenuLink(std::string_view text, std::string_view description, std::int32_t targetId) {
    Option option;
    option.isAction = false;
    option.isSubmenuLink = true;
    option.targetSubmenuId = targetId;
    return Append(std::move(option), text, description);
}

Option& Submenu::AddSeparator(std::string_view text) {
    Option option;
    option.isSeparator = true;
    return Append(std::move(option), text);
}

} // namespace Menu
