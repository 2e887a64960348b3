#include "menu/Submenu.h"

#include <stdexcept>
#include <utility>

namespace Menu {

void Option::SetText(std::string newText) {
    text = std::move(newText);
    if (isList && !valueTextInitialized && !listValues.empty()) {
        valueText = listValues.front();
        valueTextInitialized = true;
    }
}

Option& Submenu::Append(Option option) {
    option.index = static_cast<std::int32_t>(options.size());
    options.push_back(std::move(option));
    ++optionCount;
    return options.back();
}

void Submenu::AddOption(std::string_view text, std::string_view description, std::function<void()> action) {
    Option option;
    option.SetText(std::string(text));
    option.description = description;
    option.action = std::move(action);
    Append(std::move(option));
}

void Submenu::AddToggle(std::string_view text, std::string_view description, bool* target,
                        std::function<void()> action) {
    Option option;
    option.isAction = false;
    option.isToggle = true;
    option.toggleTarget = target;
    option.SetText(std::string(text));
    option.description = description;
    option.action = std::move(action);
    Append(std::move(option));
}

void Submenu::AddList(std::string_view text, std::string_view description, std::vector<std::string> values,
                      std::function<void()> action) {
    if (values.empty()) {
        throw std::invalid_argument("a list row needs at least one value");
    }
    Option option;
    option.isAction = false;
    option.isList = true;
    option.listValues = std::move(values);
    // Kind and values first, so the text rule fills the first value.
    option.SetText(std::string(text));
    option.description = description;
    option.action = std::move(action);
    Append(std::move(option));
}

void Submenu::AddSubmenuLink(std::string_view text, std::string_view description, std::int32_t targetId) {
    Option option;
    option.isAction = false;
    option.isSubmenuLink = true;
    option.targetSubmenuId = targetId;
    option.SetText(std::string(text));
    option.description = description;
    Append(std::move(option));
}

void Submenu::AddSeparator(std::string_view text) {
    Option option;
    option.isSeparator = true;
    option.SetText(std::string(text));
    Append(std::move(option));
}

} // namespace Menu
