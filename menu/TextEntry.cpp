// Text rows: Select opens the game's on-screen keyboard, which the menu then
// asks once a frame until the player finishes or cancels it.
#include "menu/FrameSteps.h"
#include "menu/Menu.h"

#include "host/GameControls.h"
#include "host/MenuControls.h"
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/ControlGroups.h"
#include "menu/Rows.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

namespace Menu {

namespace {

using NativeInvoker::Invoke;

// What the game's keyboard answers each frame.
constexpr std::int32_t StillEditing = 0;
constexpr std::int32_t Finished = 1;

constexpr std::int32_t DefaultTextType = 0;

// The length of the UTF-8 character starting at text[at] (all of it within
// end), or 0 when the bytes there are no valid character: no stray
// continuation byte, no overlong form, no surrogate, nothing past U+10FFFF.
std::size_t Utf8Length(const unsigned char* text, std::size_t at, std::size_t end) {
    const unsigned char lead = text[at];
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (end - at < length || text[at + 1] < low || text[at + 1] > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (text[at + i] < 0x80 || text[at + i] > 0xbf) {
            return 0;
        }
    }
    return length;
}

} // namespace

std::string TypedText(const char* result, std::int32_t maxLength) {
    std::string typed;
    if (result == nullptr || maxLength < 1) {
        return typed;
    }
    // A character takes at most four bytes: beyond that the result is too
    // long anyway, and a text without its end is read no further.
    const std::size_t characters = static_cast<std::size_t>(maxLength);
    const std::size_t reach = characters * 4;
    const auto* bytes = reinterpret_cast<const unsigned char*>(result);
    std::size_t end = 0;
    while (end < reach && bytes[end] != 0) {
        ++end;
    }
    std::size_t kept = 0;
    for (std::size_t at = 0; at < end && kept < characters; ++kept) {
        const std::size_t length = Utf8Length(bytes, at, end);
        if (length == 0) {
            typed += '?';
            ++at;
        } else {
            typed.append(result + at, length);
            at += length;
        }
    }
    return typed;
}

Option& Submenu::AddTextEntry(std::string_view text, std::string_view description, std::string* target,
                              std::int32_t maxLength, std::function<void()> action) {
    if (target == nullptr) {
        throw std::invalid_argument("a text row needs a string to write into");
    }
    if (maxLength < 1) {
        throw std::invalid_argument("a text row takes at least one character");
    }
    Option option;
    option.isAction = false;
    option.isTextEntry = true;
    option.textTarget = target;
    option.textMaxLength = maxLength;
    option.rightText = *target;
    return Append(std::move(option), text, description, std::move(action));
}

void OpenKeyboard(Controller& menu, std::int32_t row) {
    const Option* option = RowAt(*menu.currentSubmenu, row);
    if (option == nullptr || option->textTarget == nullptr) {
        return;
    }
    Invoke(Native::DisplayOnscreenKeyboard, DefaultTextType, option->text.c_str(), "",
           option->textTarget->c_str(), "", "", "", option->textMaxLength);
    menu.frame.typing = {true, menu.currentSubmenu, row, false};
}

void ReadKeyboard(Controller& menu) {
    const auto answer = Invoke<std::int32_t>(Native::UpdateOnscreenKeyboard);
    if (answer == StillEditing) {
        return;
    }
    // Cancelled, no keyboard at all, or an answer the game does not give:
    // the value stays. The result is read in the frame that says finished.
    const Typing ended = menu.frame.typing;
    menu.frame.typing = {false, nullptr, -1, true};
    if (answer != Finished) {
        return;
    }
    const char* result = Invoke<const char*>(Native::OnscreenKeyboardResult);
    // The row is found again: the page may have been registered anew meanwhile.
    Option* option = RowAt(*ended.page, ended.row);
    if (result == nullptr || option == nullptr || !option->isTextEntry || option->textTarget == nullptr) {
        return;
    }
    *option->textTarget = TypedText(result, option->textMaxLength);
    option->rightText = *option->textTarget;
    if (menu.currentSubmenu == ended.page && menu.selectedIndex == ended.row) {
        RunRowAction(*ended.page, ended.row);
    }
}

void SettleAfterKeyboard(Controller& menu) {
    if (!menu.frame.typing.settling) {
        return;
    }
    // The key that finished the keyboard is still down, or comes up now:
    // it must not select the text row again.
    menu.selectRequested = false;
    menu.backRequested = false;
    menu.frame.typing.settling =
        Invoke<bool>(Native::ControlPressedDisabledAware, menu.controlGroup, SelectControl) ||
        Invoke<bool>(Native::ControlPressedDisabledAware, menu.controlGroup, BackControl);
}

void ShowTypedValue(Option& option) {
    if (option.textTarget != nullptr && option.rightText != *option.textTarget) {
        option.rightText = *option.textTarget;
    }
}

} // namespace Menu
