#include "tools/workbench/VirtualGamepad.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <thread>
#include <utility>

namespace workbench {

VirtualGamepad::VirtualGamepad() {
    std::thread([lines = lines_] {
        for (std::string line; std::getline(std::cin, line);) {
            const std::lock_guard<std::mutex> lock(lines->mutex);
            lines->waiting.push_back(line);
        }
    }).detach();
}

VirtualGamepad::~VirtualGamepad() {
    Unplug();
}

void VirtualGamepad::Plug() {
    if (joystick_ != nullptr) {
        return;
    }
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                SDL_CONTROLLER_BUTTON_MAX, 0);
    joystick_ = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    if (joystick_ == nullptr) {
        std::printf("error: no virtual controller (%s)\n", SDL_GetError());
    }
}

void VirtualGamepad::Unplug() {
    if (joystick_ == nullptr) {
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == id) {
            SDL_JoystickDetachVirtual(index);
            return;
        }
    }
}

void VirtualGamepad::Run(const std::string& line) {
    std::istringstream words(line);
    std::string verb;
    std::string name;
    int value = 0;
    words >> verb >> name;
    if (verb == "plug") {
        Plug();
    } else if (verb == "unplug") {
        Unplug();
    } else if ((verb == "press" || verb == "release") && joystick_ != nullptr &&
               SDL_GameControllerGetButtonFromString(name.c_str()) != SDL_CONTROLLER_BUTTON_INVALID) {
        SDL_JoystickSetVirtualButton(joystick_, SDL_GameControllerGetButtonFromString(name.c_str()),
                                     verb == "press" ? SDL_PRESSED : SDL_RELEASED);
    } else if (verb == "axis" && joystick_ != nullptr && words >> value &&
               SDL_GameControllerGetAxisFromString(name.c_str()) != SDL_CONTROLLER_AXIS_INVALID) {
        SDL_JoystickSetVirtualAxis(joystick_, SDL_GameControllerGetAxisFromString(name.c_str()),
                                   static_cast<Sint16>(std::clamp(value, -32768, 32767)));
    } else {
        std::printf("error: virtual controller: cannot play '%s'\n", line.c_str());
    }
}

void VirtualGamepad::Play() {
    // One line a frame: SDL reads the virtual controller's state once a frame,
    // so a press and its release played together would never be seen.
    std::string line;
    {
        const std::lock_guard<std::mutex> lock(lines_->mutex);
        if (lines_->waiting.empty()) {
            return;
        }
        line = std::move(lines_->waiting.front());
        lines_->waiting.pop_front();
    }
    Run(line);
}

} // namespace workbench
