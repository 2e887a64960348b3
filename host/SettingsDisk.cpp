#include "host/SettingsDisk.h"

#include "host/Platform.h"
#include "host/SettingsFile.h"

#include <cerrno>
#include <cstdio>

namespace settings_disk {

namespace {

void SetAside(const std::string& path) {
    MoveFileExA(path.c_str(), (path + ".bad").c_str(), MOVEFILE_REPLACE_EXISTING);
}

} // namespace

std::string ReadOrSetAside(const std::string& path) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        if (errno != ENOENT) {
            SetAside(path);
        }
        return {};
    }
    // One byte more than a settings file holds tells a larger one.
    std::string text(settings_file::MaxFileBytes + 1, '\0');
    const std::size_t read = std::fread(text.data(), 1, text.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    text.resize(read);
    if (failed || read > settings_file::MaxFileBytes || !settings_file::IsText(text)) {
        SetAside(path);
        return {};
    }
    return text;
}

bool Replace(const std::string& path, std::string_view text) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (written && MoveFileExA(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE) {
        return true;
    }
    std::remove(temporary.c_str());
    return false;
}

} // namespace settings_disk
