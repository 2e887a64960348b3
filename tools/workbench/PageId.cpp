#include "tools/workbench/PageId.h"

#include "menu/Menu.h"

#include <elf.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace workbench {
namespace {

// The bytes [offset, offset + length) of the file, if all of them are in it.
// Written so that no sum of two file fields can wrap around.
std::optional<std::string_view> Bytes(const std::vector<char>& file, std::uint64_t offset,
                                      std::uint64_t length) {
    if (offset > file.size() || length > file.size() - offset) {
        return std::nullopt;
    }
    return std::string_view(file.data() + offset, length);
}

template <typename T> bool ReadAt(std::string_view bytes, std::uint64_t offset, T& value) {
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) {
        return false;
    }
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return true;
}

// Copies memory that may not be mapped: the kernel answers EFAULT through a
// pipe where a plain read would crash.
class SafeReader {
  public:
    SafeReader() {
        if (pipe2(ends_, O_CLOEXEC) != 0) {
            ends_[0] = ends_[1] = -1;
        }
    }
    ~SafeReader() {
        for (const int end : ends_) {
            if (end >= 0) {
                close(end);
            }
        }
    }
    SafeReader(const SafeReader&) = delete;
    SafeReader& operator=(const SafeReader&) = delete;

    template <typename T> bool Read(std::uintptr_t address, T& value) {
        if (ends_[0] < 0 || address == 0) {
            return false;
        }
        const void* source = reinterpret_cast<const void*>(address);
        return write(ends_[1], source, sizeof(T)) == static_cast<ssize_t>(sizeof(T)) &&
               read(ends_[0], &value, sizeof(T)) == static_cast<ssize_t>(sizeof(T));
    }

  private:
    int ends_[2] = {-1, -1};
};

template <typename Record, typename Field> std::uintptr_t OffsetOf(Field Record::*field) {
    static const Record probe{};
    return reinterpret_cast<std::uintptr_t>(&(probe.*field)) - reinterpret_cast<std::uintptr_t>(&probe);
}

} // namespace

std::uint64_t FindMenuControllerOffset(const std::string& moduleFile) {
    std::ifstream in(moduleFile, std::ios::binary);
    const std::vector<char> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string_view whole(file.data(), file.size());
    Elf64_Ehdr header{};
    if (!ReadAt(whole, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_shentsize != sizeof(Elf64_Shdr)) {
        return 0;
    }
    const auto sections = Bytes(file, header.e_shoff, std::uint64_t{header.e_shnum} * sizeof(Elf64_Shdr));
    if (!sections) {
        return 0;
    }
    // The name with its terminating NUL.
    constexpr std::string_view Name("menuController", sizeof "menuController");
    for (std::uint64_t index = 0; index < header.e_shnum; ++index) {
        Elf64_Shdr symbols{};
        Elf64_Shdr names{};
        if (!ReadAt(*sections, index * sizeof(Elf64_Shdr), symbols) || symbols.sh_type != SHT_SYMTAB ||
            symbols.sh_entsize != sizeof(Elf64_Sym) ||
            !ReadAt(*sections, std::uint64_t{symbols.sh_link} * sizeof(Elf64_Shdr), names)) {
            continue;
        }
        const auto entries = Bytes(file, symbols.sh_offset, symbols.sh_size);
        const auto strings = Bytes(file, names.sh_offset, names.sh_size);
        if (!entries || !strings) {
            continue;
        }
        for (std::uint64_t at = 0; at + sizeof(Elf64_Sym) <= entries->size(); at += sizeof(Elf64_Sym)) {
            Elf64_Sym symbol{};
            ReadAt(*entries, at, symbol);
            if (ELF64_ST_TYPE(symbol.st_info) == STT_OBJECT && symbol.st_size == sizeof(void*) &&
                symbol.st_name < strings->size() && strings->substr(symbol.st_name).starts_with(Name)) {
                return symbol.st_value;
            }
        }
    }
    return 0;
}

std::optional<int> ReadPageId(std::uintptr_t slot, const ShownPage& shown) {
    if (!shown.open || shown.rows == 0) {
        return std::nullopt;
    }
    SafeReader memory;
    std::uintptr_t controller = 0;
    unsigned char open = 0;
    std::int32_t selected = 0;
    std::uintptr_t submenu = 0;
    std::int32_t id = 0;
    std::int32_t rows = 0;
    const bool read = memory.Read(slot, controller) &&
                      memory.Read(controller + OffsetOf(&Menu::Controller::isOpen), open) &&
                      memory.Read(controller + OffsetOf(&Menu::Controller::selectedIndex), selected) &&
                      memory.Read(controller + OffsetOf(&Menu::Controller::currentSubmenu), submenu) &&
                      memory.Read(submenu + OffsetOf(&Menu::Submenu::id), id) &&
                      memory.Read(submenu + OffsetOf(&Menu::Submenu::optionCount), rows);
    if (!read || !open || selected + 1 != shown.row || rows != shown.rows) {
        return std::nullopt;
    }
    return id;
}

} // namespace workbench
