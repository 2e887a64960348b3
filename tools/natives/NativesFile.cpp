#include "tools/natives/NativesFile.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <stdexcept>

namespace natives {
namespace {

// "const char *" and "const char*" are one type.
std::string NormalType(const std::string& type) {
    std::string out;
    for (const char c : type) {
        if (c == '*') {
            while (!out.empty() && out.back() == ' ') {
                out.pop_back();
            }
        }
        if (c != ' ' || (!out.empty() && out.back() != ' ')) {
            out += c;
        }
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

const std::string* StringField(const nlohmann::json& entry, const char* field) {
    const auto found = entry.find(field);
    return found != entry.end() && found->is_string() ? found->get_ptr<const std::string*>() : nullptr;
}

} // namespace

bool ReadHash(std::string_view text, std::uint64_t& hash) {
    if (text.size() != 18 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), hash, 16);
    return error == std::errc{} && end == text.data() + text.size();
}

const PublicNative* NativesFile::FindHash(std::uint64_t hash) const {
    for (const PublicNative& native : natives) {
        if (native.hash == hash) {
            return &native;
        }
    }
    return nullptr;
}

std::vector<const PublicNative*> NativesFile::FindName(std::string_view name) const {
    std::vector<const PublicNative*> found;
    for (const PublicNative& native : natives) {
        if (native.name == name) {
            found.push_back(&native);
        }
    }
    return found;
}

NativesFile ReadNativesFile(const std::string& json) {
    const nlohmann::json root = nlohmann::json::parse(json, nullptr, false);
    if (root.is_discarded() || !root.is_object()) {
        throw std::runtime_error("not a natives file: a JSON object of namespaces is expected");
    }
    NativesFile file;
    for (const auto& [space, entries] : root.items()) {
        if (!entries.is_object()) {
            file.skipped.push_back(space + ": not an object of natives");
            continue;
        }
        for (const auto& [key, entry] : entries.items()) {
            const std::string* name = entry.is_object() ? StringField(entry, "name") : nullptr;
            const std::string* result = entry.is_object() ? StringField(entry, "return_type") : nullptr;
            const std::string what = space + "::" + (name != nullptr ? *name : "?") + " (\"" + key + "\")";
            PublicNative native;
            if (!ReadHash(key, native.hash)) {
                file.skipped.push_back(what + ": no hash");
                continue;
            }
            const auto params = entry.is_object() ? entry.find("params") : entry.end();
            if (name == nullptr || result == nullptr || params == entry.end() || !params->is_array()) {
                file.skipped.push_back(what + ": no name, params or return_type");
                continue;
            }
            native.name = space + "::" + *name;
            native.resultType = NormalType(*result);
            for (const nlohmann::json& param : *params) {
                const std::string* type = param.is_object() ? StringField(param, "type") : nullptr;
                const std::string* paramName = param.is_object() ? StringField(param, "name") : nullptr;
                const std::string typeText = type != nullptr ? NormalType(*type) : "";
                const std::string nameText = paramName != nullptr ? *paramName : "";
                if (typeText == "..." || nameText == "...") {
                    native.variadic = true;
                } else {
                    native.parameters.push_back({typeText, nameText});
                }
            }
            file.natives.push_back(std::move(native));
        }
    }
    return file;
}

} // namespace natives
