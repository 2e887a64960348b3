#include "tools/workbench/GameInput.h"

#include "menu/Controls.h"
#include "menu/Prompts.h"

#include <algorithm>

namespace workbench {

KeyBinding BindingFor(SDL_Keycode key) {
    switch (key) {
    case SDLK_F8:
        return {KeyRole::PluginKey, sim::KeyF8};
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return {KeyRole::PluginKey, sim::KeyShift};
    case SDLK_UP:
        return {KeyRole::Control, Menu::UpControl};
    case SDLK_DOWN:
        return {KeyRole::Control, Menu::DownControl};
    case SDLK_LEFT:
        return {KeyRole::Control, Menu::LeftControl};
    case SDLK_RIGHT:
        return {KeyRole::Control, Menu::RightControl};
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return {KeyRole::Control, Menu::SelectControl};
    case SDLK_BACKSPACE:
        return {KeyRole::Control, Menu::BackControl};
    case SDLK_c:
        return {KeyRole::Chord, Menu::ChordControl};
    case SDLK_g:
        return {KeyRole::SwitchDevice, 0};
    case SDLK_F12:
        return {KeyRole::Screenshot, 0};
    case SDLK_ESCAPE:
        return {KeyRole::Quit, 0};
    default:
        return {};
    }
}

bool GameInput::Key(const KeyBinding& binding, bool down, bool repeat) {
    switch (binding.role) {
    case KeyRole::PluginKey:
        queue_.push_back({KeyRole::PluginKey, binding.code, down, repeat});
        return true;
    case KeyRole::Control:
        if (repeat) {
            return false; // the game's controls have no key repeat
        }
        queue_.push_back({KeyRole::Control, binding.code, down, false});
        return true;
    case KeyRole::Chord:
        // The controller chord: the button released while the modifier is
        // held; the modifier lets go after.
        if (repeat) {
            return false;
        }
        if (down) {
            queue_.push_back({KeyRole::Control, Menu::ChordModifierControl, true, false});
            queue_.push_back({KeyRole::Control, Menu::ChordControl, true, false});
        } else {
            queue_.push_back(
                {KeyRole::Control, Menu::ChordControl, false, false, Menu::ChordModifierControl});
            queue_.push_back({KeyRole::Control, Menu::ChordModifierControl, false, false});
        }
        return true;
    case KeyRole::SwitchDevice:
        if (down && !repeat) {
            queue_.push_back({KeyRole::SwitchDevice, 0, true, false});
        }
        return down && !repeat;
    default:
        return false;
    }
}

void GameInput::Deliver() {
    sim::Game& game = runner_.host().game;
    std::vector<std::uint32_t> changed; // controls changed for this frame
    std::size_t taken = 0;
    for (; taken < queue_.size(); ++taken) {
        const Event& event = queue_[taken];
        if (event.role == KeyRole::Control &&
            std::find(changed.begin(), changed.end(), event.code) != changed.end()) {
            break; // the rest waits for the next frame, in order
        }
        if (event.role == KeyRole::PluginKey) {
            if (event.down) {
                runner_.KeyDown(event.code, event.repeat);
            } else {
                runner_.KeyUp(event.code);
            }
        } else if (event.role == KeyRole::Control) {
            if (event.down) {
                game.PressControl(event.code);
            } else {
                game.ReleaseControl(event.code);
            }
        } else if (event.role == KeyRole::SwitchDevice) {
            game.gamepad = !game.gamepad;
        }
        if (event.role == KeyRole::Control) {
            changed.push_back(event.code);
        }
        if (event.holds != 0) {
            changed.push_back(event.holds);
        }
    }
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(taken));
}

} // namespace workbench
