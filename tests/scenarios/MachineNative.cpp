#include "tests/scenarios/Machine.h"

#include "driver/Screen.h"

#include <dlfcn.h>

namespace scenario {

void PrepareProcess() {}

std::string DefaultPluginPath() {
    return QDT_PLUGIN_MODULE;
}

// The stand-in machine mirrors the Xvfb screen the Windows run sees.
GameWindow::GameWindow(sim::StandInHook& host, const WindowSetup& setup) {
    driver::SetScreen(host, {ScreenWidth, ScreenHeight, setup.outerWidth, setup.outerHeight});
    if (setup.kind == WindowKind::Absent) {
        host.window.reset();
        return;
    }
    host.window->title = WindowTitle(setup.kind);
}

GameWindow::~GameWindow() = default;

void BetweenFrames() {}

void PassTime(sim::StandInHook& host, std::uint32_t milliseconds) {
    host.tickCount += milliseconds;
}

// The stand-in answers the module's path with the folder; the module stays where it is.
std::string PlacePlugin(sim::StandInHook& host, const driver::GameFolder& folder,
                        const std::string& pluginPath) {
    folder.Place(host, pluginPath);
    return pluginPath;
}

bool ModuleMapped(const std::string& path) {
    void* library = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) {
        return false;
    }
    dlclose(library);
    return true;
}

} // namespace scenario
