// The public reference of the game's natives, as modders download it: a JSON
// object of namespaces, each mapping a hash ("0x3A52C59FFB2DEED8") to the
// native's name, parameters ({"type", "name"}) and return type.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace natives {

struct Parameter {
    std::string type; // as the reference writes it, spaces before a '*' dropped
    std::string name;
};

struct PublicNative {
    std::uint64_t hash = 0;
    std::string name;                  // NAMESPACE::NAME
    std::vector<Parameter> parameters; // without a variable argument list's "..."
    bool variadic = false;
    std::string resultType;
};

struct NativesFile {
    std::vector<PublicNative> natives;
    // Entries that could not be read (no hash, no name), said in a line each.
    std::vector<std::string> skipped;

    const PublicNative* FindHash(std::uint64_t hash) const;
    // Every native of that public name: more than one is a fault of the file.
    std::vector<const PublicNative*> FindName(std::string_view name) const;
};

// Reads the file's text; throws std::runtime_error when it is no such file.
NativesFile ReadNativesFile(const std::string& json);

// "0x3A52C59FFB2DEED8" (either case) as a number; false for anything else.
bool ReadHash(std::string_view text, std::uint64_t& hash);

} // namespace natives
