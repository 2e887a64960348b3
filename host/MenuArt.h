// The game's textures and sounds the menu uses, each named once: the menu
// draws and plays them from here, and the read-back, the renderer's stand-ins
// and the frame summaries know them by these names.
#pragma once

namespace menu_art {

// A texture: a dictionary the game has loaded and a texture in it.
struct Texture {
    const char* dictionary;
    const char* name;
};

inline constexpr const char* MenuTextures = "menu_textures";
inline constexpr const char* GenericTextures = "generic_textures";

inline constexpr Texture Backdrop = {GenericTextures, "inkroller_1a"};   // the look's default
inline constexpr Texture Banner = {GenericTextures, "menu_header_1a"};   // the look's default
inline constexpr Texture DescriptionBar = {GenericTextures, "menu_bar"}; // the description is below it
inline constexpr Texture RowBox = {GenericTextures, "selection_box_bg_1c"};
inline constexpr Texture Tick = {GenericTextures, "tick"};
inline constexpr Texture TickBox = {GenericTextures, "tick_box"};
inline constexpr Texture ScrollerLeftTop = {MenuTextures, "scroller_left_top"}; // the list's top
inline constexpr Texture ScrollerRightTop = {MenuTextures, "scroller_right_top"};
inline constexpr Texture ScrollerLeftBottom = {MenuTextures, "scroller_left_bottom"}; // the list's end
inline constexpr Texture ScrollerRightBottom = {MenuTextures, "scroller_right_bottom"};
inline constexpr Texture ScrollerLineUp = {MenuTextures, "scroller_line_up"};
inline constexpr Texture ScrollerLineDown = {MenuTextures, "scroller_line_down"};
inline constexpr Texture ScrollerArrowUp = {MenuTextures, "scroller_arrow_top"};      // rows hidden above
inline constexpr Texture ScrollerArrowDown = {MenuTextures, "scroller_arrow_bottom"}; // rows hidden below
inline constexpr Texture HighlightLeft = {MenuTextures, "crafting_highlight_l"};
inline constexpr Texture HighlightRight = {MenuTextures, "crafting_highlight_r"};
inline constexpr Texture HighlightTop = {MenuTextures, "crafting_highlight_t"};
inline constexpr Texture HighlightBottom = {MenuTextures, "crafting_highlight_b"};
inline constexpr Texture ListArrowLeft = {MenuTextures, "selection_arrow_left"};
inline constexpr Texture ListArrowRight = {MenuTextures, "selection_arrow_right"};

// The list's arrows and the ticks are shown inside texts, as img:// tags the
// drawing writes at the window's scale (menu/Drawing.cpp).

// A frontend sound: its name and its sound set.
struct Sound {
    const char* name;
    const char* soundset;
};

inline constexpr Sound OpenSound = {"MENU_ENTER", "HUD_PLAYER_MENU"};
inline constexpr Sound CloseSound = {"MENU_CLOSE", "HUD_PLAYER_MENU"};
inline constexpr Sound UpSound = {"NAV_UP", "Ledger_Sounds"};
inline constexpr Sound DownSound = {"NAV_DOWN", "Ledger_Sounds"};
inline constexpr Sound LeftSound = {"NAV_LEFT", "PAUSE_MENU_SOUNDSET"};
inline constexpr Sound RightSound = {"NAV_RIGHT", "PAUSE_MENU_SOUNDSET"};
inline constexpr Sound SelectSound = {"SELECT", "HUD_SHOP_SOUNDSET"};
inline constexpr Sound BackSound = {"BACK", "HUD_SHOP_SOUNDSET"};
inline constexpr Sound RefusedSound = {"UNAFFORDABLE", "Ledger_Sounds"}; // a disabled row's answer

} // namespace menu_art
