// The hook's nine functions, the Windows functions and the runtime's
// release, forwarded to the active stand-in host.
#include "host/Platform.h"
#include "host/ScriptHook.h"
#include "sim/StandInHook.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

using sim::StandInHook;

namespace {
StandInHook& Active() {
    return *StandInHook::Active();
}
// Before any host exists (while the plug-in's load-time state is built in a
// test program) the machine is a plain 1920 x 1080 screen.
constexpr int defaultScreen[2] = {1920, 1080};

#ifndef _WIN32
bool SameTitle(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}
#endif
} // namespace

extern "C" {

void scriptRegister(HINSTANCE module, ScriptRoutine script) {
    Active().Register(module, script);
}
void scriptUnregister(HINSTANCE module) {
    Active().Unregister(module);
}
void scriptWait(DWORD milliseconds) {
    Active().Wait(milliseconds);
}
void keyboardHandlerRegister(KeyboardHandlerFunction handler) {
    Active().RegisterKeyboardHandler(handler);
}
void keyboardHandlerUnregister(KeyboardHandlerFunction handler) {
    Active().UnregisterKeyboardHandler(handler);
}
void nativeInit(std::uint64_t hash) {
    Active().BeginNative(hash);
}
void nativePush64(std::uint64_t value) {
    Active().PushArgument(value);
}
std::uint64_t* nativeCall() {
    return Active().CallNative();
}
std::uint64_t* getGlobalPtr(int index) {
    return Active().GlobalPtr(index);
}

#ifndef _WIN32
int GetSystemMetrics(int index) {
    const StandInHook* host = StandInHook::Active();
    if (index == SM_CXSCREEN) {
        return host != nullptr ? host->screenWidth : defaultScreen[0];
    }
    if (index == SM_CYSCREEN) {
        return host != nullptr ? host->screenHeight : defaultScreen[1];
    }
    return 0;
}

// The one window there is, found by its title. Like the real function, the
// comparison ignores case: "red dead redemption 2" is the game window too.
HWND FindWindowA(const char* className, const char* windowName) {
    const StandInHook* host = StandInHook::Active();
    if (host == nullptr || className != nullptr || windowName == nullptr || !host->window ||
        !SameTitle(host->window->title, windowName)) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(const_cast<sim::Window*>(&*host->window));
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    const StandInHook* host = StandInHook::Active();
    if (host == nullptr || !host->window || host->windowRectFails ||
        window != reinterpret_cast<HWND>(const_cast<sim::Window*>(&*host->window)) || rect == nullptr) {
        return FALSE;
    }
    *rect = host->window->rect;
    return TRUE;
}

DWORD GetTickCount() {
    const StandInHook* host = StandInHook::Active();
    return host != nullptr ? host->tickCount.load() : 0;
}

// Any module's path is the plug-in's, in the game folder; as on Windows, a
// path longer than the buffer is cut to fit, ended, and the size answered.
DWORD GetModuleFileNameA(HINSTANCE /*module*/, char* fileName, DWORD size) {
    const StandInHook* host = StandInHook::Active();
    if (host == nullptr || host->gameFolder.empty() || fileName == nullptr || size == 0) {
        return 0;
    }
    const std::string path = host->gameFolder + "/" + host->moduleFileName;
    const std::size_t copied = std::min<std::size_t>(path.size(), size - 1);
    std::memcpy(fileName, path.data(), copied);
    fileName[copied] = '\0';
    return static_cast<DWORD>(path.size() < size ? copied : size);
}

// rename() replaces in one step on POSIX; without the flag an existing file stays.
BOOL MoveFileExA(const char* existing, const char* replacement, DWORD flags) {
    if (existing == nullptr || replacement == nullptr) {
        return FALSE;
    }
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0 && std::filesystem::exists(replacement)) {
        return FALSE;
    }
    return std::rename(existing, replacement) == 0 ? TRUE : FALSE;
}

// Natively the runtime is this process's own and stays: only counted.
void ReleaseRuntimeMemory() {
    if (StandInHook* host = StandInHook::Active()) {
        ++host->runtimeMemoryReleases;
    }
}
#endif
}
