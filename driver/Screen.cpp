#include "driver/Screen.h"

namespace driver {

int Screen::WindowWidth() const {
    return windowWidth != 0 ? windowWidth : width;
}

int Screen::WindowHeight() const {
    if (windowHeight != 0) {
        return windowHeight;
    }
    return static_cast<int>(static_cast<long long>(height) * WindowWidth() / width);
}

void SetScreen(sim::StandInHook& host, const Screen& screen) {
    host.screenWidth = screen.width;
    host.screenHeight = screen.height;
    if (!host.window) {
        host.window = sim::Window{};
    }
    host.window->rect = RECT{0, 0, screen.WindowWidth(), screen.WindowHeight()};
}

} // namespace driver
