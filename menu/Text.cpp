#include "menu/Text.h"

namespace Menu {

std::string FillPlaceholders(std::string_view templateText, const std::vector<std::string>& values) {
    std::string filled(templateText);
    for (const std::string& value : values) {
        const std::size_t at = filled.find("%s");
        if (at != std::string::npos) {
            filled.replace(at, 2, value);
        }
    }
    return filled;
}

// Text drawing arrives with the markup builder.
void DrawText(std::string_view, FontIndex, int, int, int, int, TextAlignment, int, float, float, int) {}

} // namespace Menu
