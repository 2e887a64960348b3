#include "tools/workbench/GameInput.h"

#include "host/GameControls.h"
#include "host/MenuControls.h"
#include "host/PluginKeys.h"
#include "sim/ControlTable.h"
#include "tools/workbench/PadMapping.h"

#include <algorithm>

namespace workbench {

namespace {

// The control table's name for a desktop key, as its default bindings are
// written; "" for a key the table names nowhere.
std::string_view TableKeyName(SDL_Keycode key) {
    switch (key) {
    case SDLK_UP:
        return "Arrow Up";
    case SDLK_DOWN:
        return "Arrow Down";
    case SDLK_LEFT:
        return "Arrow Left";
    case SDLK_RIGHT:
        return "Arrow Right";
    case SDLK_RETURN:
        return "Enter";
    case SDLK_KP_ENTER:
        return "Numpad Enter";
    case SDLK_BACKSPACE:
        return "Backspace";
    case SDLK_PAGEUP:
        return "Page Up";
    case SDLK_PAGEDOWN:
        return "Page Down";
    default:
        return "";
    }
}

// The menu's controls a desktop key reaches by the game's default bindings.
KeyBinding MenuControlOf(SDL_Keycode key) {
    constexpr std::uint32_t menuControls[] = {Menu::UpControl,     Menu::DownControl,    Menu::LeftControl,
                                              Menu::RightControl,  Menu::SelectControl,  Menu::BackControl,
                                              Menu::PageUpControl, Menu::PageDownControl};
    const std::string_view name = TableKeyName(key);
    for (const std::uint32_t control : menuControls) {
        const sim::ControlInfo* info = sim::FindControl(control);
        if (!name.empty() && info != nullptr &&
            std::find(info->keys.begin(), info->keys.end(), name) != info->keys.end()) {
            return {KeyRole::Control, control};
        }
    }
    return {};
}

// F1 to F12, letters and digits: keys a player may bind the menu or a row to
// in the settings file, handed to the plug-in's keyboard handler as the game does.
KeyBinding PlayerKeyOf(SDL_Keycode key) {
    if (key >= SDLK_F1 && key <= SDLK_F12) {
        return {KeyRole::PluginKey, plugin_keys::F1 + static_cast<std::uint32_t>(key - SDLK_F1)};
    }
    if ((key >= SDLK_a && key <= SDLK_z) || (key >= SDLK_0 && key <= SDLK_9)) {
        // Windows' codes of letters are their capitals; of digits, the digits.
        const auto code = static_cast<std::uint32_t>(key >= SDLK_a ? key - SDLK_a + 'A' : key);
        return {KeyRole::PluginKey, code};
    }
    return {};
}

} // namespace

// The workbench's own keys first (Esc quits, though the game binds it to
// Back too), then the plug-in's, then the game's bindings of the menu's
// controls, then the keys a player binds in the settings file.
KeyBinding BindingFor(SDL_Keycode key) {
    switch (key) {
    case SDLK_F8:
        return {KeyRole::PluginKey, plugin_keys::Toggle};
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return {KeyRole::PluginKey, plugin_keys::FastStep};
    case SDLK_c:
        return {KeyRole::Chord, Menu::ChordControl};
    case SDLK_g:
        return {KeyRole::SwitchDevice, 0};
    case SDLK_F12:
        return {KeyRole::Screenshot, 0};
    case SDLK_F9:
        return {KeyRole::Record, 0};
    case SDLK_ESCAPE:
        return {KeyRole::Quit, 0};
    default:
        break;
    }
    const KeyBinding control = MenuControlOf(key);
    return control.role != KeyRole::None ? control : PlayerKeyOf(key);
}

void GameInput::Queue(const driver::InputSequence& sequence) {
    for (const driver::InputEvent& input : sequence) {
        queue_.push_back({Device::Unchanged, input});
    }
}

void GameInput::Button(std::string_view name, bool down) {
    const std::vector<std::uint32_t> controls = ControlsOfButton(name);
    if (controls.empty()) {
        return;
    }
    Queue(Device::Gamepad);
    for (const std::uint32_t control : controls) {
        Queue({{down ? driver::InputKind::PressControl : driver::InputKind::ReleaseControl, control}});
    }
    if (down) {
        constexpr std::size_t Kept = 4; // enough for a chord and what came before it
        recentButtons_.emplace_back(name);
        if (recentButtons_.size() > Kept) {
            recentButtons_.erase(recentButtons_.begin());
        }
    }
}

void GameInput::MoveCursor(float x, float y) {
    Queue(Device::Keyboard);
    Queue({driver::MoveCursor(x, y)});
}

void GameInput::MouseButton(bool left, bool down) {
    Queue(Device::Keyboard);
    const std::uint32_t control = left ? control::INPUT_CURSOR_ACCEPT : control::INPUT_CURSOR_CANCEL;
    Queue({{down ? driver::InputKind::PressControl : driver::InputKind::ReleaseControl, control}});
}

void GameInput::Wheel(bool up) {
    Queue(Device::Keyboard);
    Queue(driver::Wheel(up));
}

std::string GameInput::LastButtons() const {
    std::string text;
    for (const std::string& name : recentButtons_) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

bool GameInput::Key(const KeyBinding& binding, bool down, bool repeat) {
    switch (binding.role) {
    case KeyRole::PluginKey:
        Queue(Device::Keyboard);
        Queue({{down ? (repeat ? driver::InputKind::KeyRepeat : driver::InputKind::KeyDown)
                     : driver::InputKind::KeyUp,
                binding.code}});
        return true;
    case KeyRole::Control:
        if (repeat) {
            return false; // the game's controls have no key repeat
        }
        Queue(Device::Keyboard);
        Queue({{down ? driver::InputKind::PressControl : driver::InputKind::ReleaseControl, binding.code}});
        return true;
    case KeyRole::Chord:
        if (repeat) {
            return false;
        }
        Queue(down ? driver::ChordDown() : driver::ChordUp());
        return true;
    case KeyRole::SwitchDevice:
        if (down && !repeat) {
            Queue(Device::Switch);
        }
        return down && !repeat;
    default:
        return false;
    }
}

void GameInput::Deliver() {
    std::vector<std::uint32_t> changed; // controls changed for this frame
    std::size_t taken = 0;
    for (; taken < queue_.size(); ++taken) {
        const Event& event = queue_[taken];
        if (event.device != Device::Unchanged) {
            bool& gamepad = runner_.host().game.gamepad;
            const bool before = gamepad;
            gamepad = event.device == Device::Switch ? !gamepad : event.device == Device::Gamepad;
            if (log_ != nullptr && gamepad != before) {
                log_->Gamepad(gamepad);
            }
            continue;
        }
        const driver::InputKind kind = event.input.kind;
        if (kind == driver::InputKind::NextFrame) {
            ++taken; // what follows waits for the next frame
            break;
        }
        const bool control =
            kind == driver::InputKind::PressControl || kind == driver::InputKind::ReleaseControl;
        if (control && std::find(changed.begin(), changed.end(), event.input.code) != changed.end()) {
            break; // the rest waits for the next frame, in order
        }
        driver::Apply(runner_, event.input);
        if (log_ != nullptr) {
            log_->Input(event.input);
        }
        if (control) {
            changed.push_back(event.input.code);
        }
    }
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(taken));
}

} // namespace workbench
