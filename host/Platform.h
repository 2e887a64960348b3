// The Windows types and functions the plug-in uses. On Windows they come from
// the system headers; elsewhere the stand-in host defines the same names, so
// plug-in code calls them exactly as it would on Windows.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// Menu::DrawText is ours, not the Windows macro.
#undef DrawText
// A Win16 leftover that would rename the stand-in's ScriptFiber::Yield.
#undef Yield
// The loader finds DllMain by itself; nothing is exported.
#define QDT_PLUGIN_ENTRY
// What the host supplies comes from the system's libraries or from host/windows/.
#define QDT_HOST_API
#else
#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using LPVOID = void*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
struct HWND__;
using HWND = HWND__*;
struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

#define TRUE 1
#define FALSE 0
#define WINAPI
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3
#define MAX_PATH 260
#define MOVEFILE_REPLACE_EXISTING 0x1
#define MOVEFILE_WRITE_THROUGH 0x8

// The stand-in loader looks the entry up by name, as the only visible symbol.
#define QDT_PLUGIN_ENTRY __attribute__((visibility("default")))

#define QDT_HOST_API __attribute__((visibility("default")))
extern "C" {
QDT_HOST_API int GetSystemMetrics(int index);
QDT_HOST_API HWND FindWindowA(const char* className, const char* windowName);
QDT_HOST_API BOOL GetWindowRect(HWND window, RECT* rect);
QDT_HOST_API DWORD GetTickCount();
// The settings file's place and its replacement: the module's own path, and
// a file moved over another in one step.
QDT_HOST_API DWORD GetModuleFileNameA(HINSTANCE module, char* fileName, DWORD size);
QDT_HOST_API BOOL MoveFileExA(const char* existing, const char* replacement, DWORD flags);
}
#endif

// Gives back what the C++ runtime keeps for the life of the library (its
// emergency exception pool), for a library freed while the process goes on.
// The Windows build links a runtime of its own and frees it (host/windows/);
// elsewhere the runtime is the host process's, and the host stands in.
extern "C" QDT_HOST_API void ReleaseRuntimeMemory();
