// The one way a game native is called: init with the hash, one 64-bit slot
// per argument, then call and read the result from the slot the hook hands
// back (three slots for a vector).
#pragma once

#include "host/ScriptHook.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace NativeInvoker {

// A native's vector result: the game writes x, y and z each in its own slot.
struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// Each argument travels zero-extended in the low end of its own slot: 32-bit
// integers and hashes are never sign-extended, floats keep their IEEE bits and
// texts and out-parameters travel as their location.
template <typename T> inline std::uint64_t ToSlot(T value) {
    static_assert(sizeof(T) <= sizeof(std::uint64_t) && std::is_trivially_copyable_v<T>);
    std::uint64_t slot = 0;
    std::memcpy(&slot, &value, sizeof(T));
    return slot;
}

inline float FloatOf(std::uint64_t slot) {
    const auto bits = static_cast<std::uint32_t>(slot);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

template <typename R> inline R FromSlots(const std::uint64_t* slots) {
    // A host that hands back no result slot answers "nothing".
    const std::uint64_t raw = slots ? slots[0] : 0;
    if constexpr (std::is_same_v<R, Vector3>) {
        return slots ? Vector3{FloatOf(slots[0]), FloatOf(slots[1]), FloatOf(slots[2])} : Vector3{};
    } else if constexpr (std::is_same_v<R, bool>) {
        return static_cast<std::uint32_t>(raw) != 0;
    } else if constexpr (std::is_floating_point_v<R>) {
        static_assert(std::is_same_v<R, float>, "the game answers single-precision floats");
        return FloatOf(raw);
    } else if constexpr (std::is_pointer_v<R>) {
        // A text: the whole slot is its location; null stays null.
        return reinterpret_cast<R>(static_cast<std::uintptr_t>(raw));
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
    const std::uint64_t* slots = nativeCall();
    if constexpr (std::is_void_v<R>) {
        (void)slots;
    } else {
        return FromSlots<R>(slots);
    }
}

} // namespace NativeInvoker
