#include "tools/render/PictureOptions.h"

#include <charconv>

namespace render {

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

CLI::Option* AddPictureSizeOption(CLI::App& app, const std::string& name, int& width, int& height,
                                  const std::string& description) {
    const CLI::Validator size(
        [](std::string& text) {
            int ignored = 0;
            return ReadPictureSize(text, ignored, ignored)
                       ? std::string()
                       : "takes WIDTHxHEIGHT, 16 to 16384 each, not " + text;
        },
        "");
    return app
        .add_option_function<std::string>(
            name, [&width, &height](const std::string& text) { ReadPictureSize(text, width, height); },
            description)
        ->check(size)
        ->type_name("WIDTHxHEIGHT");
}

CLI::Option* AddPictureSideOption(CLI::App& app, const std::string& name, int& side,
                                  const std::string& description) {
    const CLI::Validator length(
        [](std::string& text) {
            int ignored = 0;
            return ReadPictureSide(text, ignored) ? std::string() : "takes 16 to 16384, not " + text;
        },
        "");
    return app
        .add_option_function<std::string>(
            name, [&side](const std::string& text) { ReadPictureSide(text, side); }, description)
        ->check(length)
        ->type_name("N");
}

void AddLookOptions(CLI::App& app, LookOptions& options) {
    // The checks without their own word in the help: the type names say it.
    const CLI::Validator folder = CLI::Validator(CLI::ExistingDirectory).description("");
    const CLI::Validator file = CLI::Validator(CLI::ExistingFile).description("");
    app.add_option("--textures", options.textures,
                   "draws DIR/DICT/NAME.png (your own export from the game) for its stand-in")
        ->type_name("DIR")
        ->check(folder);
    app.add_option("--backdrop", options.backdrop,
                   "draws the picture (a screenshot of the game) behind the menu")
        ->type_name("PNG")
        ->check(file);
    app.add_flag("--list-textures", options.listTextures, "prints every DICT/NAME the menu draws and stops");
}

} // namespace render
