#include "tools/workbench/ShownPage.h"

namespace workbench {
ShownPage Summarize(const render::Drawing& drawing) {
    const readback::MenuState shown = readback::ReadMenu(drawing);
    ShownPage summary{shown.open, shown.title, shown.subtitle};
    if (shown.counter) {
        summary.row = shown.counter->row;
        summary.rows = shown.counter->rows;
    }
    return summary;
}

std::string Describe(const ShownPage& summary) {
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
