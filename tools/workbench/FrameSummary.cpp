#include "tools/workbench/FrameSummary.h"

namespace workbench {
namespace {

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
        } else if (summary.rows == 0) {
            if (const auto counter = preview::ReadRowCounter(text)) {
                summary.row = counter->row;
                summary.rows = counter->rows;
            }
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
