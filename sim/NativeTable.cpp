#include "sim/NativeTable.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <deque>
#include <numeric>
#include <vector>

namespace sim {
namespace {

constexpr std::array natives = {
#define QDT_NATIVE(constant, hash, name, arguments, result) NativeInfo{hash, name, arguments, result},
#include "host/NativeList.h"
#undef QDT_NATIVE
};

// Records point at their entry: a deque keeps entries where they are.
std::deque<NativeInfo>& Added() {
    static std::deque<NativeInfo> added;
    return added;
}

template <typename Visit> void ForEachNative(Visit visit) {
    std::for_each(natives.begin(), natives.end(), visit);
    std::for_each(Added().begin(), Added().end(), visit);
}

std::string_view WithoutNamespace(std::string_view name) {
    const std::size_t colons = name.rfind("::");
    return colons == std::string_view::npos ? name : name.substr(colons + 2);
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t substitution = diagonal + (lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, substitution});
        }
    }
    return row[b.size()];
}

} // namespace

std::span<const NativeInfo> Natives() {
    return natives;
}

const NativeInfo* FindNative(std::uint64_t hash) {
    const auto matches = [hash](const NativeInfo& info) { return info.hash == hash; };
    if (const auto found = std::find_if(natives.begin(), natives.end(), matches); found != natives.end()) {
        return &*found;
    }
    const std::deque<NativeInfo>& added = Added();
    const auto found = std::find_if(added.begin(), added.end(), matches);
    return found != added.end() ? &*found : nullptr;
}

const NativeInfo* FindNativeNamed(std::string_view name) {
    const bool qualified = name.find("::") != std::string_view::npos;
    const NativeInfo* found = nullptr;
    int matches = 0;
    ForEachNative([&](const NativeInfo& info) {
        if ((qualified ? info.name : WithoutNamespace(info.name)) == name) {
            found = &info;
            ++matches;
        }
    });
    return matches == 1 ? found : nullptr;
}

std::string_view NearestNativeName(std::string_view name) {
    std::string_view nearest;
    std::size_t best = std::string_view::npos;
    ForEachNative([&](const NativeInfo& info) {
        // Measured against the form written, with or without the namespace.
        const std::string_view form =
            name.find("::") != std::string_view::npos ? info.name : WithoutNamespace(info.name);
        if (const std::size_t distance = EditDistance(name, form); distance < best) {
            best = distance;
            nearest = info.name;
        }
    });
    return nearest;
}

void AddNative(const NativeInfo& info) {
    if (FindNative(info.hash) == nullptr) {
        Added().push_back(info);
    }
}

} // namespace sim
