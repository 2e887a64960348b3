// host/NativeList.h read as lines and written back: each
// QDT_NATIVE(constant, hash, "NAMESPACE::NAME", "argument kinds", 'result kind')
// as clang-format lays it out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace natives {

struct ListEntry {
    int line = 0; // where it starts, from 1
    std::string constant;
    std::uint64_t hash = 0;
    std::string name;
    std::string arguments;
    char result = '-';
};

// Every entry in order; throws std::runtime_error naming the line of one
// that cannot be read.
std::vector<ListEntry> ReadNativeList(const std::string& text);

// The entry as the list writes it: one line, or wrapped at 110 columns with
// the rest aligned after the parenthesis.
std::string FormatEntry(const ListEntry& entry);

} // namespace natives
