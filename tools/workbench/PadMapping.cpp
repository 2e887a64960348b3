#include "tools/workbench/PadMapping.h"

#include "sim/ControlTable.h"

#include <cstdlib>

namespace workbench {

std::string_view PadButtonName(SDL_GameControllerButton button) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return "A";
    case SDL_CONTROLLER_BUTTON_B:
        return "B";
    case SDL_CONTROLLER_BUTTON_X:
        return "X";
    case SDL_CONTROLLER_BUTTON_Y:
        return "Y";
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        return "LB";
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        return "RB";
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return "D-pad up";
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return "D-pad down";
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return "D-pad left";
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return "D-pad right";
    default:
        return "";
    }
}

std::vector<std::uint32_t> ControlsOfButton(std::string_view name) {
    std::vector<std::uint32_t> controls;
    for (const sim::ControlInfo& control : sim::Controls()) {
        if (!name.empty() && control.button == name) {
            controls.push_back(control.hash);
        }
    }
    return controls;
}

constexpr int Hold = SDL_JOYSTICK_AXIS_MAX / 2;
constexpr int LetGo = SDL_JOYSTICK_AXIS_MAX / 4;

std::string_view StickDirection(SDL_GameControllerAxis axis, int value, std::string_view held) {
    // SDL's y axis grows downwards, as the screen's does.
    const bool across = axis == SDL_CONTROLLER_AXIS_LEFTX;
    if (!across && axis != SDL_CONTROLLER_AXIS_LEFTY) {
        return held;
    }
    const std::string_view towards =
        across ? (value < 0 ? "D-pad left" : "D-pad right") : (value < 0 ? "D-pad up" : "D-pad down");
    if (std::abs(value) > Hold) {
        return towards;
    }
    return std::abs(value) < LetGo || held != towards ? "" : held;
}

std::string_view TriggerButton(SDL_GameControllerAxis axis, int value, std::string_view held) {
    if (axis != SDL_CONTROLLER_AXIS_TRIGGERLEFT && axis != SDL_CONTROLLER_AXIS_TRIGGERRIGHT) {
        return "";
    }
    if (value > Hold) {
        return axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT ? "LT" : "RT";
    }
    return value < LetGo ? "" : held;
}

} // namespace workbench
