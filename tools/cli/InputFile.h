// A file a tool was given on its command line, read whole.
#pragma once

#include <string>

namespace cli {

// The file's bytes as they are; throws std::runtime_error naming the path
// when it cannot be opened.
std::string ReadInputFile(const std::string& path);

} // namespace cli
