#include "tools/workbench/ModuleWatch.h"

#include <sys/stat.h>

#include <utility>

namespace workbench {

FileSignature ReadSignature(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return FileSignature{};
    }
    const auto nanoseconds = [](const timespec& time) {
        return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
    };
    return FileSignature{true, static_cast<std::uint64_t>(status.st_ino),
                         static_cast<std::int64_t>(status.st_size), nanoseconds(status.st_mtim),
                         nanoseconds(status.st_ctim)};
}

ModuleWatch::ModuleWatch(std::string path, std::chrono::milliseconds settle)
    : path_(std::move(path)), settle_(settle) {}

bool ModuleWatch::Poll(Clock::time_point now) {
    const FileSignature signature = ReadSignature(path_);
    if (!(signature == seen_)) {
        seen_ = signature;
        seenSince_ = now;
        return false;
    }
    // A missing file is a build in progress, not a module to load.
    return signature.exists && !(signature == accepted_) && now - seenSince_ >= settle_;
}

} // namespace workbench
