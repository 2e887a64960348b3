// The filter row: a text row whose text narrows the rows below it.
#include "menu/Filter.h"

#include "menu/Rows.h"

#include <algorithm>
#include <utility>

namespace Menu {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The filter row's right end: what it holds and how many rows match.
std::string FilterSummary(const RowFilter& filter) {
    if (!filter.active) {
        return filter.text;
    }
    return "\"" + filter.text + "\": " + std::to_string(filter.matches) + " of " +
           std::to_string(filter.candidates);
}

} // namespace

bool LabelHolds(std::string_view label, std::string_view text) {
    if (text.size() > label.size()) {
        return false;
    }
    const std::size_t last = label.size() - text.size();
    for (std::size_t at = 0; at <= last; ++at) {
        std::size_t i = 0;
        while (i < text.size() && LowerAscii(label[at + i]) == LowerAscii(text[i])) {
            ++i;
        }
        if (i == text.size()) {
            return true;
        }
    }
    return false;
}

void ApplyFilter(Submenu& page) {
    RowFilter& filter = page.filter;
    filter.active = false;
    filter.shown.clear();
    const std::int32_t rows = RegisteredRowCount(page);
    if (filter.row < 0 || filter.row >= rows) {
        return;
    }
    filter.matches = 0;
    filter.candidates = 0;
    filter.active = !filter.text.empty();
    for (std::int32_t row = 0; filter.active && row <= filter.row; ++row) {
        filter.shown.push_back(row);
    }
    std::int32_t heading = NoMatchRow; // the heading above, not yet shown
    for (std::int32_t row = filter.row + 1; filter.active && row < rows; ++row) {
        const Option& option = page.options[static_cast<std::size_t>(row)];
        if (option.isSeparator) {
            heading = row;
            continue;
        }
        ++filter.candidates;
        if (!LabelHolds(option.text, filter.text)) {
            continue;
        }
        ++filter.matches;
        if (heading != NoMatchRow) {
            filter.shown.push_back(std::exchange(heading, NoMatchRow));
        }
        filter.shown.push_back(row);
    }
    if (filter.active && filter.matches == 0) {
        filter.noMatch.isAction = false;
        filter.noMatch.isSeparator = true;
        filter.noMatch.isDisabled = true;
        filter.noMatch.text = "No match";
        filter.shown.push_back(NoMatchRow);
    }
    page.options[static_cast<std::size_t>(filter.row)].rightText = FilterSummary(filter);
}

std::optional<std::int32_t> ShownPosition(const Submenu& page, std::int32_t index) {
    if (!page.filter.active) {
        return index;
    }
    const std::vector<std::int32_t>& shown = page.filter.shown;
    const auto at = std::find(shown.begin(), shown.end(), index);
    if (at == shown.end() || index == NoMatchRow) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(at - shown.begin());
}

void SetFilterText(Submenu& page, std::string text) {
    page.filter.text = std::move(text);
    ApplyFilter(page);
}

Option& Submenu::AddFilter(std::string_view text, std::string_view description) {
    Option option;
    option.isAction = false;
    option.isTextEntry = true;
    option.isFilter = true;
    option.textMaxLength = FilterMaxLength;
    option.rightText = filter.text;
    filter.row = static_cast<std::int32_t>(options.size());
    return Append(std::move(option), text, description);
}

} // namespace Menu
