#include "tools/preview/CommandLine.h"

#include <charconv>

namespace preview {

bool ReadWholeNumber(std::string_view text, int& value, int smallest, int largest) {
    int read = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || read < smallest ||
        read > largest) {
        return false;
    }
    value = read;
    return true;
}

bool ReadPictureSide(std::string_view text, int& value) {
    return ReadWholeNumber(text, value, 16, 16384);
}

bool ReadPictureSize(std::string_view text, int& width, int& height) {
    const std::size_t by = text.find('x');
    return by != std::string_view::npos && ReadPictureSide(text.substr(0, by), width) &&
           ReadPictureSide(text.substr(by + 1), height);
}

} // namespace preview
