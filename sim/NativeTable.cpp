#include "sim/NativeTable.h"

#include <algorithm>
#include <array>

namespace sim {
namespace {

constexpr std::array natives = {
#define QDT_NATIVE(constant, hash, name, arguments, result) NativeInfo{hash, name, arguments, result},
#include "host/NativeList.h"
#undef QDT_NATIVE
};

} // namespace

std::span<const NativeInfo> Natives() {
    return natives;
}

const NativeInfo* FindNative(std::uint64_t hash) {
    const auto found = std::find_if(natives.begin(), natives.end(),
                                    [hash](const NativeInfo& info) { return info.hash == hash; });
    return found != natives.end() ? &*found : nullptr;
}

} // namespace sim
