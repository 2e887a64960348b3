#include "tools/cli/InputFile.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace cli {

std::string ReadInputFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace cli
