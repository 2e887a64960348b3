// Numbers and sizes as the tools take them on their command lines.
#pragma once

#include "tools/cli/CommandLine.h"

#include <string>
#include <string_view>

namespace render {

// A whole number from smallest to largest, nothing else in the text.
bool ReadWholeNumber(std::string_view text, int& value, int smallest, int largest);

// "WIDTHxHEIGHT", 16 to 16384 pixels a side: larger pictures are not pictures anyone looks at.
bool ReadPictureSize(std::string_view text, int& width, int& height);

// One side of such a picture.
bool ReadPictureSide(std::string_view text, int& value);

// An option taking WIDTHxHEIGHT into width and height; a bad size is a mistake on the command line.
CLI::Option* AddPictureSizeOption(CLI::App& app, const std::string& name, int& width, int& height,
                                  const std::string& description);

// An option taking one side of a picture.
CLI::Option* AddPictureSideOption(CLI::App& app, const std::string& name, int& side,
                                  const std::string& description);

// --textures DIR, --backdrop PNG and --list-textures, alike in the preview and the workbench.
struct LookOptions {
    std::string textures;
    std::string backdrop;
    bool listTextures = false;
};
void AddLookOptions(CLI::App& app, LookOptions& options);

} // namespace render
