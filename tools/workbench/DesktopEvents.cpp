// The desktop's events as the game would have them: keys through the control
// table, the mouse on the picture, and typing into the game's keyboard.
#include "tools/workbench/Workbench.h"

#include "host/PluginKeys.h"

#include <algorithm>
#include <cstdio>

namespace workbench {

void Workbench::HandleEvents() {
    for (SDL_Event event; SDL_PollEvent(&event) != 0;) {
        if (event.type == SDL_QUIT) {
            quit_ = true;
        } else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            textures_.DropChrome();
            chromeDirty_ = true;
        } else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            chromeDirty_ = true;
        } else if (gamepads_.Handle(event)) {
            chromeDirty_ = true;
        } else if (TypeInto(event)) {
            // the game's keyboard takes the keys while it is open
        } else if (event.type == SDL_MOUSEMOTION || event.type == SDL_MOUSEBUTTONDOWN ||
                   event.type == SDL_MOUSEBUTTONUP || event.type == SDL_MOUSEWHEEL) {
            HandleMouse(event);
        } else if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
            const bool down = event.type == SDL_KEYDOWN;
            const bool repeat = event.key.repeat != 0;
            const KeyBinding binding = BindingFor(event.key.keysym.sym);
            if (binding.role == KeyRole::Quit && down) {
                quit_ = true;
            } else if (binding.role == KeyRole::Screenshot && down && !repeat) {
                screenshotAsked_ = true;
            } else if (binding.role == KeyRole::Record && down && !repeat) {
                recordAsked_ = true;
            } else if (input_.Key(binding, down, repeat)) {
                chromeDirty_ = true;
                // The keys whose effect the summary shows: F8's release, a move, the chord.
                const bool visible =
                    (binding.code == plugin_keys::Toggle && !down) ||
                    (binding.role == KeyRole::Control && down &&
                     (event.key.keysym.sym == SDLK_UP || event.key.keysym.sym == SDLK_DOWN)) ||
                    (binding.role == KeyRole::Chord && !down);
                if (visible && live_.Loaded()) {
                    keyFrame_ = stats_.frames;
                }
            }
        }
    }
}

std::optional<std::pair<float, float>> Workbench::OnPicture(int windowX, int windowY, bool clamp) const {
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSize(SDL_RenderGetWindow(renderer_), &windowWidth, &windowHeight);
    const Layout layout = LayOut(width, height, options_.screenWidth, options_.screenHeight);
    if (windowWidth <= 0 || windowHeight <= 0 || layout.pictureWidth <= 0 || layout.pictureHeight <= 0) {
        return std::nullopt;
    }
    // The window's points to the renderer's pixels (more of them on a dense display).
    const double x =
        (windowX * static_cast<double>(width) / windowWidth - layout.pictureX) / layout.pictureWidth;
    const double y =
        (windowY * static_cast<double>(height) / windowHeight - layout.pictureY) / layout.pictureHeight;
    const bool inside = x >= 0.0 && x <= 1.0 && y >= 0.0 && y <= 1.0;
    if (!inside && !clamp) {
        return std::nullopt;
    }
    // The game's cursor stays on its screen.
    return std::pair{static_cast<float>(std::clamp(x, 0.0, 1.0)),
                     static_cast<float>(std::clamp(y, 0.0, 1.0))};
}

void Workbench::HandleMouse(const SDL_Event& event) {
    if (event.type == SDL_MOUSEMOTION) {
        if (const auto place = OnPicture(event.motion.x, event.motion.y, true)) {
            input_.MoveCursor(place->first, place->second);
        }
    } else if (event.type == SDL_MOUSEWHEEL) {
        if (event.wheel.y != 0) {
            input_.Wheel(event.wheel.y > 0);
        }
    } else if (event.button.button == SDL_BUTTON_LEFT || event.button.button == SDL_BUTTON_RIGHT) {
        // A press off the picture (on the panel) is not the game's; its release still is.
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        if (!down || OnPicture(event.button.x, event.button.y, false)) {
            input_.MouseButton(event.button.button == SDL_BUTTON_LEFT, down);
        }
    }
    chromeDirty_ = true;
}

void Workbench::SetTyped(const std::string& text) {
    sim::OnscreenKeyboard& keyboard = host_.game.keyboard;
    keyboard.Type(text); // the box takes no more than its length
    *typing_ = keyboard.text;
}

bool Workbench::TypeInto(const SDL_Event& event) {
    // A key that went down into the box comes up there too, also once the box has closed.
    if (event.type == SDL_KEYUP) {
        return typedKeys_.erase(event.key.keysym.sym) != 0;
    }
    if (!typing_ || (event.type != SDL_TEXTINPUT && event.type != SDL_KEYDOWN)) {
        return false;
    }
    if (event.type == SDL_TEXTINPUT) {
        SetTyped(*typing_ + event.text.text);
        return true;
    }
    typedKeys_.insert(event.key.keysym.sym);
    EditBox(event.key.keysym.sym);
    return true;
}

void Workbench::EditBox(SDL_Keycode key) {
    sim::OnscreenKeyboard& keyboard = host_.game.keyboard;
    switch (key) {
    case SDLK_BACKSPACE: {
        std::string text = *typing_;
        // One character back: its continuation bytes, then its first.
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xc0) == 0x80) {
            text.pop_back();
        }
        if (!text.empty()) {
            text.pop_back();
        }
        SetTyped(text);
        break;
    }
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        // What the box holds counts once it is finished: the replay and a
        // recorded session type it in one step.
        log_.Typed(keyboard.text);
        keyboard.Finish();
        log_.KeyboardEnded(true);
        break;
    case SDLK_ESCAPE:
        keyboard.Cancel();
        log_.KeyboardEnded(false);
        break;
    default:
        break;
    }
}

void Workbench::FollowKeyboard() {
    const bool editing = host_.game.keyboard.state == sim::OnscreenKeyboard::State::Editing;
    if (editing && !typing_) {
        typing_ = host_.game.keyboard.text;
        SDL_StartTextInput();
        std::printf("keyboard: open\n");
        SetStatus(StatusKind::Info, "the game's keyboard is open: type, then Enter (done) or Esc (cancel)");
    } else if (!editing && typing_) {
        typing_.reset();
        SDL_StopTextInput();
        std::printf("keyboard: closed\n");
        SetStatus(StatusKind::Info, "the game's keyboard closed");
    }
}

} // namespace workbench
