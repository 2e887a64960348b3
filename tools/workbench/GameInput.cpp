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

// A press and its release can arrive between the same two frames (a quick
// tap, or a tool typing keys); the game would still show one frame with the
// control down, so the release waits for that frame.
void GameInput::ReleaseControl(std::uint32_t control, int afterFrames) {
    const bool pressedUnseen =
        std::find(pressedSinceFrame_.begin(), pressedSinceFrame_.end(), control) != pressedSinceFrame_.end();
    afterFrames += pressedUnseen ? 1 : 0;
    if (afterFrames == 0) {
        runner_.host().game.ReleaseControl(control);
    } else {
        releases_.push_back({afterFrames, control});
    }
}

bool GameInput::Key(const KeyBinding& binding, bool down, bool repeat) {
    sim::Game& game = runner_.host().game;
    switch (binding.role) {
    case KeyRole::PluginKey:
        if (down) {
            runner_.KeyDown(binding.code, repeat);
        } else {
            runner_.KeyUp(binding.code);
        }
        return true;
    case KeyRole::Control:
        if (repeat) {
            return false; // the game's controls have no key repeat
        }
        if (down) {
            game.PressControl(binding.code);
            pressedSinceFrame_.push_back(binding.code);
        } else {
            ReleaseControl(binding.code, 0);
        }
        return true;
    case KeyRole::Chord:
        // The controller chord: the button released while the modifier is
        // held; the modifier lets go a frame later.
        if (repeat) {
            return false;
        }
        if (down) {
            for (const std::uint32_t control : {Menu::ChordModifierControl, Menu::ChordControl}) {
                game.PressControl(control);
                pressedSinceFrame_.push_back(control);
            }
        } else {
            ReleaseControl(Menu::ChordControl, 0);
            ReleaseControl(Menu::ChordModifierControl, 1);
        }
        return true;
    case KeyRole::SwitchDevice:
        if (down && !repeat) {
            game.gamepad = !game.gamepad;
        }
        return down && !repeat;
    default:
        return false;
    }
}

void GameInput::AfterFrame() {
    pressedSinceFrame_.clear();
    sim::Game& game = runner_.host().game;
    for (Release& release : releases_) {
        if (--release.frames == 0) {
            game.ReleaseControl(release.control);
        }
    }
    std::erase_if(releases_, [](const Release& release) { return release.frames <= 0; });
}

} // namespace workbench
