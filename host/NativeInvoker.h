// The one way a game native is called: init with the hash, one 64-bit slot
// per argument, then call and read the result from the low end of the slot.
#pragma once

#include "host/ScriptHook.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace NativeInvoker {

// Each argument travels zero-extended in the low end of its own slot: 32-bit
// integers and hashes are never sign-extended, floats keep their IEEE bits and
// texts travel as the location of their first character.
template <typename T> inline std::uint64_t ToSlot(T value) {
    static_assert(sizeof(T) <= sizeof(std::uint64_t) && std::is_trivially_copyable_v<T>);
    std::uint64_t slot = 0;
    std::memcpy(&slot, &value, sizeof(T));
    return slot;
}

template <typename R> inline R FromSlot(const std::uint64_t* slot) {
    // A host that hands back no result slot answers "nothing".
    const std::uint64_t raw = slot ? *slot : 0;
    if constexpr (std::is_same_v<R, bool>) {
        return static_cast<std::uint32_t>(raw) != 0;
    } else if constexpr (sizeof(R) == sizeof(std::uint32_t)) {
        return static_cast<R>(static_cast<std::uint32_t>(raw));
    } else {
        static_assert(sizeof(R) == sizeof(std::uint64_t));
        return static_cast<R>(raw);
    }
}

template <typename R = void, typename... Args> inline R Invoke(std::uint64_t hash, Args... args) {
    nativeInit(hash);
    (nativePush64(ToSlot(args)), ...);
    const std::uint64_t* slot = nativeCall();
    if constexpr (std::is_void_v<R>) {
        (void)slot;
    } else {
        return FromSlot<R>(slot);
    }
}

} // namespace NativeInvoker
