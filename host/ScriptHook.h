// The script hook's functions. The hook exports them under MSVC-decorated
// names; the import library binds these plain names to those.
#pragma once

#include "host/Platform.h"

#include <cstdint>

using ScriptRoutine = void (*)();
using KeyboardHandlerFunction = void (*)(DWORD key, WORD repeats, BYTE scanCode, BOOL isExtended,
                                         BOOL isWithAlt, BOOL wasDownBefore, BOOL isUpNow);

#ifdef _WIN32
#define QDT_HOOK_API
#else
#define QDT_HOOK_API __attribute__((visibility("default")))
#endif

extern "C" {
QDT_HOOK_API void scriptRegister(HINSTANCE module, ScriptRoutine script);
QDT_HOOK_API void scriptUnregister(HINSTANCE module);
QDT_HOOK_API void scriptWait(DWORD milliseconds);
QDT_HOOK_API void keyboardHandlerRegister(KeyboardHandlerFunction handler);
QDT_HOOK_API void keyboardHandlerUnregister(KeyboardHandlerFunction handler);
QDT_HOOK_API void nativeInit(std::uint64_t hash);
QDT_HOOK_API void nativePush64(std::uint64_t value);
QDT_HOOK_API std::uint64_t* nativeCall();
QDT_HOOK_API std::uint64_t* getGlobalPtr(int index);
}
