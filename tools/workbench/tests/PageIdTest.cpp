// The symbol-table reader on module files whose fields point anywhere.
#include "tools/workbench/PageId.h"

#include <elf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t ControllerOffset = 0x4321;

// A module file with one symbol table (section 1) naming menuController, and
// its string table (section 2); change() edits the section headers first.
std::uint64_t FindIn(const std::function<void(Elf64_Shdr* sections)>& change) {
    const char strings[] = "\0menuController";
    Elf64_Sym symbol{};
    symbol.st_name = 1;
    symbol.st_info = ELF64_ST_INFO(STB_GLOBAL, STT_OBJECT);
    symbol.st_size = sizeof(void*);
    symbol.st_value = ControllerOffset;

    Elf64_Ehdr header{};
    std::memcpy(header.e_ident, ELFMAG, SELFMAG);
    header.e_ident[EI_CLASS] = ELFCLASS64;
    header.e_shentsize = sizeof(Elf64_Shdr);
    header.e_shnum = 3;
    header.e_shoff = sizeof header;
    Elf64_Shdr sections[3]{};
    const std::uint64_t symbolsAt = sizeof header + sizeof sections;
    sections[1].sh_type = SHT_SYMTAB;
    sections[1].sh_entsize = sizeof(Elf64_Sym);
    sections[1].sh_offset = symbolsAt;
    sections[1].sh_size = sizeof symbol;
    sections[1].sh_link = 2;
    sections[2].sh_type = SHT_STRTAB;
    sections[2].sh_offset = symbolsAt + sizeof symbol;
    sections[2].sh_size = sizeof strings;
    change(sections);

    const fs::path path = fs::temp_directory_path() / ("qdt_page_id." + std::to_string(getpid()));
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(&header), sizeof header);
        out.write(reinterpret_cast<const char*>(sections), sizeof sections);
        out.write(reinterpret_cast<const char*>(&symbol), sizeof symbol);
        out.write(strings, sizeof strings);
    }
    const std::uint64_t found = workbench::FindMenuControllerOffset(path.string());
    fs::remove(path);
    return found;
}

TEST(PageIdTest, TheControllerIsFoundOnlyWhereEveryByteOfItsNameIsInTheFile) {
    EXPECT_EQ(FindIn([](Elf64_Shdr*) {}), ControllerOffset);
    EXPECT_EQ(FindIn([](Elf64_Shdr* sections) { sections[2].sh_size -= 1; }), 0u)
        << "the name's NUL lies past its table";
    EXPECT_EQ(FindIn([](Elf64_Shdr* sections) { sections[2].sh_size += 1; }), 0u)
        << "the table runs past the file";
    EXPECT_EQ(FindIn([](Elf64_Shdr* sections) { sections[1].sh_link = 3; }), 0u) << "no such section";
}

// A loader ignores these fields, so such a module loads and runs; its offsets
// added up wrap around to just before the file's bytes.
TEST(PageIdTest, OffsetsThatWrapAroundReadNothingOutsideTheFile) {
    for (std::uint64_t back = 1; back <= 16; ++back) {
        EXPECT_EQ(FindIn([back](Elf64_Shdr* sections) { sections[2].sh_offset = 0 - back; }), 0u) << back;
        EXPECT_EQ(FindIn([back](Elf64_Shdr* sections) {
                      sections[2].sh_offset = 0 - back;
                      sections[2].sh_size = back + 64;
                  }),
                  0u)
            << back;
        EXPECT_EQ(FindIn([back](Elf64_Shdr* sections) { sections[1].sh_offset = 0 - back; }), 0u) << back;
    }
}

} // namespace
