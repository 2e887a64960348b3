#include "driver/GameFolder.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace driver {
namespace {

// A name no other run picks: the clock, and a count for runs in one process.
fs::path FreshFolder() {
    static std::atomic<unsigned> made{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path base = fs::temp_directory_path() / "qdt-game";
    std::error_code error;
    fs::create_directories(base, error);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = base / (std::to_string(now) + "-" + std::to_string(made++));
        if (fs::create_directory(folder, error)) {
            return folder;
        }
    }
    throw std::runtime_error("cannot make a game folder under " + base.string() + ": " + error.message());
}

} // namespace

GameFolder::GameFolder(const std::string& given) {
    if (given.empty()) {
        path_ = FreshFolder().string();
        owned_ = true;
        return;
    }
    std::error_code error;
    fs::create_directories(given, error);
    if (!fs::is_directory(given, error)) {
        throw std::runtime_error("cannot use the game folder " + given + ": not a folder");
    }
    path_ = fs::absolute(given, error).lexically_normal().string();
}

GameFolder::~GameFolder() {
    if (owned_) {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
}

void GameFolder::Place(sim::StandInHook& host, const std::string& modulePath) const {
    host.gameFolder = path_;
    host.moduleFileName = ModuleFileName(modulePath);
}

std::string GameFolder::CopyIn(const std::string& modulePath) const {
    const fs::path copy = fs::path(path_) / ModuleFileName(modulePath);
    std::error_code error;
    fs::copy_file(modulePath, copy, fs::copy_options::overwrite_existing, error);
    if (error) {
        throw std::runtime_error("cannot copy " + modulePath + " into " + path_ + ": " + error.message());
    }
    return copy.string();
}

std::string GameFolder::SettingsPath(const std::string& moduleFileName) const {
    return (fs::path(path_) / fs::path(moduleFileName).replace_extension(".ini")).string();
}

std::string SettingsPathOf(const sim::StandInHook& host) {
    if (host.gameFolder.empty()) {
        return {};
    }
    return (fs::path(host.gameFolder) / fs::path(host.moduleFileName).replace_extension(".ini")).string();
}

std::string ModuleFileName(const std::string& modulePath) {
    return fs::path(modulePath).filename().replace_extension(".asi").string();
}

} // namespace driver
