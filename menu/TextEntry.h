// Rows that take typed text through the game's on-screen keyboard.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Menu {

struct Option;
struct Submenu;

// The keyboard a text row opened, and the calm after it.
struct Typing {
    bool open = false;
    Submenu* page = nullptr; // the page and row it was opened for
    std::int32_t row = -1;
    bool settling = false; // closed; Select and Back wait until their controls are up
};

// The text the game's keyboard handed back, made safe to keep: read no
// further than maxLength characters could reach, every byte that is not
// part of valid UTF-8 becomes '?', and at most maxLength characters are kept.
std::string TypedText(const char* result, std::int32_t maxLength);

// rightText becomes *textTarget, which other code may have changed.
void ShowTypedValue(Option& option);

// Runs a row's action as navigation does, with its call markers (menu/Navigation.cpp).
void RunRowAction(Submenu& submenu, std::int32_t row);

} // namespace Menu
