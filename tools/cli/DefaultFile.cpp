#include "tools/cli/DefaultFile.h"

#include <filesystem>
#include <system_error>

namespace cli {

namespace fs = std::filesystem;

DefaultFile FindDefaultFile(const std::string& installed, const std::string& built) {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path packaged = executable.parent_path().parent_path() / installed;
        if (fs::is_regular_file(packaged, error)) {
            return {packaged.string(), true};
        }
    }
    return {built, false};
}

} // namespace cli
