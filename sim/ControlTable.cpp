#include "sim/ControlTable.h"

#include <algorithm>

namespace sim {
namespace {

constexpr std::array controls = {
#define QDT_CONTROL(name, hash, key, otherKey, button) ControlInfo{hash, #name, {key, otherKey}, button},
#include "host/ControlList.h"
#undef QDT_CONTROL
};

template <typename Matches> const ControlInfo* FindIf(Matches matches) {
    const auto found = std::find_if(controls.begin(), controls.end(), matches);
    return found != controls.end() ? &*found : nullptr;
}

} // namespace

std::span<const ControlInfo> Controls() {
    return controls;
}

const ControlInfo* FindControl(std::uint32_t hash) {
    return FindIf([hash](const ControlInfo& info) { return info.hash == hash; });
}

const ControlInfo* FindControl(std::string_view name) {
    return FindIf([name](const ControlInfo& info) { return info.name == name; });
}

} // namespace sim
