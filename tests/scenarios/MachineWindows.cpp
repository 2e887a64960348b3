#include "tests/scenarios/Machine.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <stdexcept>

namespace scenario {
namespace {

constexpr const char* WindowClass = "QuorvaneScenarioWindow";

} // namespace

void PrepareProcess() {
    // Records must read the same byte for byte as the native ones: no "\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
    // A crash must end the run, not wait for someone to close a dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = WindowClass;
    if (RegisterClassA(&windowClass) == 0) {
        throw std::runtime_error("cannot register the window class");
    }
}

// Next to this program, as the plug-in lies next to the hook in a game folder.
std::string DefaultPluginPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + "QuorvaneDevTools.asi";
}

GameWindow::GameWindow(sim::StandInHook&, const WindowSetup& setup) {
    if (setup.kind == WindowKind::Absent) {
        return;
    }
    const char* title = WindowTitle(setup.kind);
    HWND window = CreateWindowExA(0, WindowClass, title, WS_OVERLAPPEDWINDOW, 0, 0, setup.outerWidth,
                                  setup.outerHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) {
        throw std::runtime_error("cannot create the window \"" + std::string(title) + "\"");
    }
    // Left unmapped: FindWindowA and GetWindowRect see it all the same, and
    // without a window manager Wine waits seconds for a mapped one to go.
    handle_ = window;
    BetweenFrames();
}

GameWindow::~GameWindow() {
    if (handle_ != nullptr) {
        DestroyWindow(static_cast<HWND>(handle_));
        BetweenFrames();
    }
}

void BetweenFrames() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The plug-in reads the real GetTickCount, so only real time will do.
void PassTime(sim::StandInHook&, std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

// Windows answers the module's real path: the module itself goes into the folder.
std::string PlacePlugin(sim::StandInHook&, const driver::GameFolder& folder, const std::string& pluginPath) {
    return folder.CopyIn(pluginPath);
}

bool ModuleMapped(const std::string& path) {
    return GetModuleHandleA(path.c_str()) != nullptr;
}

} // namespace scenario
