#include "tools/preview/OutputFolder.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace preview {
namespace {

namespace fs = std::filesystem;

bool PlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name != OutputFolder::ManifestName &&
           name.find_first_of("/\\") == std::string_view::npos;
}

} // namespace

OutputFolder::OutputFolder(const fs::path& folder) : folder_(fs::absolute(folder)) {
    fs::create_directories(folder_);
}

std::vector<std::string> OutputFolder::RemoveEarlierFiles() {
    std::vector<std::string> removed;
    std::ifstream manifest(folder_ / ManifestName);
    for (std::string line; std::getline(manifest, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back(); // the manifest edited on Windows
        }
        if (line.starts_with('#') || !PlainName(line)) {
            continue;
        }
        std::error_code error;
        const fs::path file = folder_ / line;
        if (fs::symlink_status(file, error).type() == fs::file_type::regular && fs::remove(file, error)) {
            removed.push_back(line);
        }
    }
    return removed;
}

fs::path OutputFolder::File(const std::string& name) {
    if (std::find(written_.begin(), written_.end(), name) == written_.end()) {
        written_.push_back(name);
        WriteManifest();
    }
    return folder_ / name;
}

void OutputFolder::WriteManifest() const {
    const fs::path path = folder_ / ManifestName;
    std::ofstream manifest(path, std::ios::trunc);
    manifest << "# Written by qdt_preview: its next run here removes these files, and no others.\n";
    for (const std::string& name : written_) {
        manifest << name << '\n';
    }
    manifest.close();
    if (!manifest) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace preview
