// Notices when a module file is replaced: its inode, size or modification
// time change. A linker writes in steps, so a change counts only once the
// file has looked the same for a settling time, and is whole.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace workbench {

struct FileSignature {
    bool exists = false;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0; // since the epoch
    std::int64_t changedNs = 0;  // the inode's status: a rename into place moves it too

    friend bool operator==(const FileSignature&, const FileSignature&) = default;
};

FileSignature ReadSignature(const std::string& path);

// False while the file is still being written: a linker makes it empty, fills
// it in with its ELF header last, and its section headers end it. A file that
// is no ELF at all is whole: the loader says what is wrong with it.
bool WrittenWhole(const std::string& path);

enum class ModuleChange {
    None,
    BeingWritten, // the changed file has settled but is not whole yet: said once, then waited for
    Ready,        // a changed file, settled and whole, to load
};

class ModuleWatch {
  public:
    using Clock = std::chrono::steady_clock;

    ModuleWatch(std::string path, std::chrono::milliseconds settle);

    // The file as last loaded (or last tried): changes are measured from it.
    void Accept(const FileSignature& signature) { accepted_ = signature; }
    // Called each frame: Ready once a changed file has been stable for the settling time and is whole.
    ModuleChange Poll(Clock::time_point now);
    // The signature of the file Poll last reported.
    const FileSignature& Current() const { return seen_; }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::chrono::milliseconds settle_;
    FileSignature accepted_;
    FileSignature seen_;
    Clock::time_point seenSince_{};
    FileSignature toldBeingWritten_;
};

} // namespace workbench
