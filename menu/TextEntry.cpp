// Text rows: Select opens the game's on-screen keyboard, which the menu then
// asks once a frame until the player finishes or cancels it.
#include "menu/FrameSteps.h"
#include "menu/Menu.h"

#include "host/GameControls.h"
#include "host/MenuControls.h"
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/ControlGroups.h"
#include "menu/Filter.h"
#include "menu/Rows.h"
#include "menu/Settings.h"
#include "menu/Utf8.h"

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
    const std::string* typedBefore = option == nullptr  ? nullptr
                                     : option->isFilter ? &menu.currentSubmenu->filter.text
                                                        : option->textTarget;
    if (typedBefore == nullptr) {
        return;
    }
    // The game is handed valid UTF-8 only, whatever the row and its string hold.
    std::string title = option->text;
    ReplaceInvalidUtf8(title.data(), title.size());
    std::string shown = *typedBefore;
    ReplaceInvalidUtf8(shown.data(), shown.size());
    Invoke(native::DisplayOnscreenKeyboard, DefaultTextType, title.c_str(), "", shown.c_str(), "", "", "",
           option->textMaxLength);
    menu.frame.typing = {true, menu.currentSubmenu, row, false};
}

void ReadKeyboard(Controller& menu) {
    const auto answer = Invoke<std::int32_t>(native::UpdateOnscreenKeyboard);
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
    const char* result = Invoke<const char*>(native::OnscreenKeyboardResult);
    // The row is found again: the page may have been registered anew meanwhile.
    Option* option = RowAt(*ended.page, ended.row);
    if (result == nullptr || option == nullptr || !option->isTextEntry) {
        return;
    }
    if (option->isFilter) {
        SetFilterText(*ended.page, TypedText(result, option->textMaxLength));
        return;
    }
    if (option->textTarget == nullptr) {
        return;
    }
    *option->textTarget = TypedText(result, option->textMaxLength);
    option->rightText = *option->textTarget;
    KeepRowValue(*option);
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
        Invoke<bool>(native::ControlPressedDisabledAware, menu.controlGroup, SelectControl) ||
        Invoke<bool>(native::ControlPressedDisabledAware, menu.controlGroup, BackControl);
}

void ShowTypedValue(Option& option) {
    if (option.textTarget != nullptr && option.rightText != *option.textTarget) {
        option.rightText = *option.textTarget;
    }
}

} // namespace Menu
