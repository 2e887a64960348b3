#include "tools/workbench/ModuleWatch.h"

#include <elf.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <utility>
#include <vector>

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

bool WrittenWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::uint64_t size = static_cast<std::uint64_t>(ReadSignature(path).size);
    Elf64_Ehdr header{};
    file.read(reinterpret_cast<char*>(&header), sizeof header);
    const auto got = static_cast<std::size_t>(file.gcount());
    const auto* bytes = reinterpret_cast<const unsigned char*>(&header);
    const std::size_t head = std::min<std::size_t>(got, SELFMAG);
    const bool zeros = std::all_of(bytes, bytes + head, [](unsigned char byte) { return byte == 0; });
    if (zeros || (std::memcmp(bytes, ELFMAG, head) == 0 && got < sizeof header)) {
        return false; // empty, its header not yet written, or cut short inside it
    }
    if (std::memcmp(bytes, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64) {
        return true;
    }
    const auto table = [](std::uint64_t offset, std::uint64_t count, std::uint64_t entry) {
        return offset + count * entry;
    };
    if (size < table(header.e_shoff, header.e_shnum, header.e_shentsize) ||
        size < table(header.e_phoff, header.e_phnum, header.e_phentsize)) {
        return false;
    }
    std::vector<Elf64_Phdr> segments(header.e_phnum);
    file.seekg(static_cast<std::streamoff>(header.e_phoff));
    file.read(reinterpret_cast<char*>(segments.data()),
              static_cast<std::streamsize>(segments.size() * sizeof(Elf64_Phdr)));
    return file && std::all_of(segments.begin(), segments.end(), [size](const Elf64_Phdr& segment) {
               return segment.p_offset + segment.p_filesz <= size;
           });
}

ModuleWatch::ModuleWatch(std::string path, std::chrono::milliseconds settle)
    : path_(std::move(path)), settle_(settle) {}

ModuleChange ModuleWatch::Poll(Clock::time_point now) {
    const FileSignature signature = ReadSignature(path_);
    if (!(signature == seen_)) {
        seen_ = signature;
        seenSince_ = now;
        return ModuleChange::None;
    }
    // A missing file is a build in progress, not a module to load.
    if (!signature.exists || signature == accepted_ || now - seenSince_ < settle_) {
        return ModuleChange::None;
    }
    if (WrittenWhole(path_)) {
        return ModuleChange::Ready;
    }
    if (signature == toldBeingWritten_) {
        return ModuleChange::None;
    }
    toldBeingWritten_ = signature;
    return ModuleChange::BeingWritten;
}

} // namespace workbench
