#include "tools/natives/Check.h"

#include "tools/natives/Kinds.h"

#include <cstdio>
#include <set>

namespace natives {
namespace {

std::string Hex(std::uint64_t hash) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// "" when the kind fits, else what is wrong.
std::string Misfit(const TypeKinds& kinds, char kind, const std::string& what) {
    if (Fits(kinds, kind)) {
        return {};
    }
    if (kinds.fits.empty()) {
        return what + " cannot be checked: " + kinds.refusal;
    }
    return what + " has kind '" + std::string(1, kind) + "', which does not fit it (fits: " + kinds.fits +
           ")";
}

void CheckKinds(const ListEntry& entry, const PublicNative& native, std::vector<std::string>& out) {
    const std::size_t fixed = native.parameters.size();
    if (entry.arguments.size() < fixed || (!native.variadic && entry.arguments.size() != fixed)) {
        out.push_back(native.name + " takes " + std::to_string(fixed) + (native.variadic ? " or more" : "") +
                      " argument(s), the line gives " + std::to_string(entry.arguments.size()) + " kind(s)");
        return;
    }
    for (std::size_t i = 0; i < fixed; ++i) {
        const Parameter& parameter = native.parameters[i];
        const std::string what =
            "argument " + std::to_string(i + 1) + " (" + parameter.type + " " + parameter.name + ")";
        if (std::string misfit =
                Misfit(ArgumentKinds(parameter.type, parameter.name), entry.arguments[i], what);
            !misfit.empty()) {
            out.push_back(std::move(misfit));
        }
    }
    if (std::string misfit =
            Misfit(ResultKinds(native.resultType), entry.result, "the result (" + native.resultType + ")");
        !misfit.empty()) {
        out.push_back(std::move(misfit));
    }
}

} // namespace

std::vector<Disagreement> CheckList(const std::vector<ListEntry>& list, const NativesFile& file) {
    std::vector<Disagreement> disagreements;
    std::set<std::uint64_t> hashes;
    std::set<std::string> names;
    for (const ListEntry& entry : list) {
        std::vector<std::string> found;
        if (!hashes.insert(entry.hash).second || !names.insert(entry.name).second) {
            found.push_back("a second line for " + Hex(entry.hash) + " or " + entry.name);
        }
        if (const PublicNative* native = file.FindHash(entry.hash); native == nullptr) {
            found.push_back(Hex(entry.hash) + " is not in the natives file");
        } else if (native->name != entry.name) {
            found.push_back("the natives file names " + Hex(entry.hash) + " " + native->name + ", the line " +
                            entry.name);
        } else {
            CheckKinds(entry, *native, found);
        }
        for (const std::string& what : found) {
            disagreements.push_back({entry.line, entry.constant + ": " + what});
        }
    }
    return disagreements;
}

} // namespace natives
