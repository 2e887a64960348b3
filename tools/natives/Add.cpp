#include "tools/natives/Add.h"

#include "tools/natives/Kinds.h"

#include <cctype>
#include <cstdio>

namespace natives {
namespace {

std::string ConstantFor(const std::string& name) {
    std::string constant;
    bool wordStart = true;
    for (const char c : name.substr(name.rfind("::") + 2)) {
        if (c == '_') {
            wordStart = true;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        constant += static_cast<char>(wordStart ? std::toupper(byte) : std::tolower(byte));
        wordStart = false;
    }
    return constant;
}

// "0x... and 0x...": the hashes the natives given under one name have.
std::string Hashes(const std::vector<const PublicNative*>& natives) {
    std::string hashes;
    for (const PublicNative* native : natives) {
        char hex[24];
        std::snprintf(hex, sizeof hex, "%s0x%016llx", hashes.empty() ? "" : " and ",
                      static_cast<unsigned long long>(native->hash));
        hashes += hex;
    }
    return hashes;
}

} // namespace

Addition AddNative(const std::string& name, const std::string& constant, const std::vector<ListEntry>& list,
                   const NativesFile& file) {
    const std::vector<const PublicNative*> named = file.FindName(name);
    if (name.find("::") == std::string::npos) {
        return std::vector<std::string>{"name the native NAMESPACE::NAME, as in CLOCK::SET_CLOCK_TIME"};
    }
    if (named.empty()) {
        return std::vector<std::string>{name + " is not in the natives file"};
    }
    if (named.size() > 1) {
        return std::vector<std::string>{
            "the natives file gives " + name + " twice (" + Hashes(named) +
            "): a broken file; write the line by hand with the hash the game uses"};
    }
    const PublicNative& native = *named.front();
    ListEntry entry;
    entry.constant = constant.empty() ? ConstantFor(name) : constant;
    entry.hash = native.hash;
    entry.name = native.name;
    std::vector<std::string> refusals;
    for (const ListEntry& held : list) {
        if (held.hash == entry.hash || held.name == entry.name) {
            refusals.push_back("the list holds it already (line " + std::to_string(held.line) + ", " +
                               held.constant + ")");
        } else if (held.constant == entry.constant) {
            refusals.push_back("the list has a constant " + entry.constant + " already (line " +
                               std::to_string(held.line) + "); give another with --constant");
        }
    }
    if (native.variadic) {
        refusals.push_back(
            "it takes a variable argument list (...): write its line by hand with a kind for each "
            "argument the plug-in passes");
    }
    for (std::size_t i = 0; i < native.parameters.size(); ++i) {
        const Parameter& parameter = native.parameters[i];
        const TypeKinds kinds = ArgumentKinds(parameter.type, parameter.name);
        if (kinds.refusal.empty()) {
            entry.arguments += kinds.kind;
        } else {
            refusals.push_back("argument " + std::to_string(i + 1) + " (" + parameter.name + ") is " +
                               kinds.refusal);
        }
    }
    const TypeKinds result = ResultKinds(native.resultType);
    if (result.refusal.empty()) {
        entry.result = result.kind;
    } else {
        refusals.push_back("the result is " + result.refusal);
    }
    if (!refusals.empty()) {
        return refusals;
    }
    return entry;
}

} // namespace natives
