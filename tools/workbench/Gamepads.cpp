#include "tools/workbench/Gamepads.h"

#include "tools/workbench/PadMapping.h"

#include <algorithm>
#include <cstdio>

namespace workbench {

Gamepads::~Gamepads() {
    for (const Pad& pad : pads_) {
        SDL_GameControllerClose(pad.controller);
    }
}

Gamepads::Pad* Gamepads::Find(SDL_JoystickID id) {
    const auto found =
        std::find_if(pads_.begin(), pads_.end(), [id](const Pad& pad) { return pad.id == id; });
    return found != pads_.end() ? &*found : nullptr;
}

void Gamepads::Press(Pad& pad, std::string_view button, bool down) {
    const auto held = std::find(pad.held.begin(), pad.held.end(), button);
    if (button.empty() || down == (held != pad.held.end())) {
        return;
    }
    if (down) {
        pad.held.push_back(button);
    } else {
        pad.held.erase(held);
    }
    name_ = pad.name;
    input_.Button(button, down);
}

void Gamepads::Added(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        std::printf("error: cannot open controller %d (%s)\n", deviceIndex, SDL_GetError());
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (Find(id) != nullptr) {
        SDL_GameControllerClose(controller); // announced twice: SDL counts the opens
        return;
    }
    const char* name = SDL_GameControllerName(controller);
    pads_.push_back({controller, id, name != nullptr ? name : "controller", {}, {}, {}, {}, {}});
    name_ = pads_.back().name;
    std::printf("controller: added %s\n", name_.c_str());
}

void Gamepads::Removed(SDL_JoystickID id) {
    Pad* pad = Find(id);
    if (pad == nullptr) {
        return;
    }
    // What it held comes up: a pulled-out controller holds nothing down.
    while (!pad->held.empty()) {
        Press(*pad, pad->held.back(), false);
    }
    std::printf("controller: removed %s\n", pad->name.c_str());
    SDL_GameControllerClose(pad->controller);
    pads_.erase(pads_.begin() + (pad - pads_.data()));
    name_ = pads_.empty() ? "" : pads_.back().name;
}

bool Gamepads::Handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        Added(event.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        Removed(event.cdevice.which);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (Pad* pad = Find(event.cbutton.which)) {
            Press(*pad, PadButtonName(static_cast<SDL_GameControllerButton>(event.cbutton.button)),
                  event.type == SDL_CONTROLLERBUTTONDOWN);
        }
        return true;
    case SDL_CONTROLLERAXISMOTION:
        if (Pad* pad = Find(event.caxis.which)) {
            const auto axis = static_cast<SDL_GameControllerAxis>(event.caxis.axis);
            const bool trigger =
                axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
            std::string_view& stick = axis == SDL_CONTROLLER_AXIS_LEFTX          ? pad->stickX
                                      : axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT  ? pad->triggerLeft
                                      : axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT ? pad->triggerRight
                                                                                 : pad->stickY;
            const std::string_view now = trigger ? TriggerButton(axis, event.caxis.value, stick)
                                                 : StickDirection(axis, event.caxis.value, stick);
            if (now != stick) {
                Press(*pad, stick, false);
                stick = now;
                Press(*pad, now, true);
            }
        }
        return true;
    default:
        return false;
    }
}

} // namespace workbench
