#include "tools/workbench/FrameSummary.h"

#include <charconv>

namespace workbench {
namespace {

bool ReadNumber(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

// "N of M" with whole numbers, nothing else.
bool ReadCounter(std::string_view text, int& row, int& rows) {
    const std::size_t of = text.find(" of ");
    return of != std::string_view::npos && ReadNumber(text.substr(0, of), row) &&
           ReadNumber(text.substr(of + 4), rows);
}

bool InTitleFont(const preview::TextFormat& format) {
    return !format.pieces.empty() && format.pieces.front().font.face == "title";
}

} // namespace

FrameSummary Summarize(const preview::Scene& scene) {
    FrameSummary summary;
    summary.open = !scene.items.empty();
    int titles = 0;
    for (const preview::DrawItem& item : scene.items) {
        if (!item.isText) {
            continue;
        }
        const std::string text = preview::PlainText(item.text.format);
        if (InTitleFont(item.text.format)) {
            (titles++ == 0 ? summary.title : summary.subtitle) = text;
        } else if (int row = 0, rows = 0; summary.rows == 0 && ReadCounter(text, row, rows)) {
            summary.row = row;
            summary.rows = rows;
        }
    }
    return summary;
}

std::string Describe(const FrameSummary& summary) {
    if (!summary.open) {
        return "closed";
    }
    std::string line = "open '" + summary.title + "' / '" + summary.subtitle + "'";
    if (summary.rows > 0) {
        line += " row " + std::to_string(summary.row) + " of " + std::to_string(summary.rows);
    }
    return line;
}

} // namespace workbench
