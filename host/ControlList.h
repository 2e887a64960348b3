// The game's controls the menu reads or suppresses, once:
// QDT_CONTROL(the game's name, hash, key, other key, controller button).
// The bindings are the game's defaults (QWERTY keyboard, Xbox-style
// controller); "" is no binding. host/GameControls.h takes the hashes, the
// stand-in the rest, so the plug-in holds neither names nor bindings.
// No include guard: each includer defines QDT_CONTROL first.

// Select and Back, and their prompts.
QDT_CONTROL(INPUT_GAME_MENU_ACCEPT, 0x43dbf61f, "Enter", "Numpad Enter", "A")
QDT_CONTROL(INPUT_GAME_MENU_CANCEL, 0x308588e6, "Backspace", "Esc", "B")

// Moving through the menu.
QDT_CONTROL(INPUT_GAME_MENU_UP, 0x911cb09e, "Arrow Up", "", "D-pad up")
QDT_CONTROL(INPUT_GAME_MENU_DOWN, 0x4403f97f, "Arrow Down", "", "D-pad down")
QDT_CONTROL(INPUT_GAME_MENU_LEFT, 0xad7fcc5b, "Arrow Left", "", "D-pad left")
QDT_CONTROL(INPUT_GAME_MENU_RIGHT, 0x65f9ec5b, "Arrow Right", "", "D-pad right")

// A window's worth of rows at a time, on a page longer than its window.
QDT_CONTROL(INPUT_FRONTEND_RT, 0x6fed71bc, "Page Up", "", "RT")
QDT_CONTROL(INPUT_FRONTEND_LT, 0x51104035, "Page Down", "", "LT")

// The controller chord that opens and closes the menu: A released while RB is held.
QDT_CONTROL(INPUT_FRONTEND_RB, 0x17bec168, "E", "", "RB")
QDT_CONTROL(INPUT_CONTEXT_A, 0x5181713d, "Space", "", "A")

// Suppressed while the menu is open: what its buttons and keys would set off.
QDT_CONTROL(INPUT_WHISTLE, 0x24978a28, "H", "", "D-pad up")
QDT_CONTROL(INPUT_WHISTLE_HORSEBACK, 0xe7eb9185, "H", "", "D-pad up")
QDT_CONTROL(INPUT_SELECT_RADAR_MODE, 0x0f39b3d4, "Alt", "", "D-pad down")
QDT_CONTROL(INPUT_REVEAL_HUD, 0xcf8a4eca, "Alt", "", "D-pad down")
QDT_CONTROL(INPUT_HUD_SPECIAL, 0x580c4473, "Alt", "", "D-pad down")
QDT_CONTROL(INPUT_PLAYER_MENU, 0x80f28e95, "L", "", "D-pad left")
QDT_CONTROL(INPUT_OPEN_JOURNAL, 0xf3830d8e, "J", "", "D-pad left")
QDT_CONTROL(INPUT_OPEN_SATCHEL_MENU, 0x4cc0e2fe, "B", "", "D-pad right")
QDT_CONTROL(INPUT_OPEN_SATCHEL_HORSE_MENU, 0x5966d52a, "B", "", "D-pad right")
QDT_CONTROL(INPUT_OPEN_CRAFTING_MENU, 0x734c6e39, "", "", "") // bindings not known
QDT_CONTROL(INPUT_OPEN_EMOTE_WHEEL, 0xe2b557a3, "Tab", "", "RB")
QDT_CONTROL(INPUT_EXPAND_RADAR, 0xcf0b11de, "X", "", "X")
QDT_CONTROL(INPUT_INTERACTION_MENU, 0xcc510e59, "", "", "")

// The mouse, read only while keyboard and mouse are in use and the menu
// lets it (the positions are values 0..1 of the screen, not buttons).
QDT_CONTROL(INPUT_CURSOR_ACCEPT, 0x9d2aea88, "Left mouse button", "", "")
QDT_CONTROL(INPUT_CURSOR_CANCEL, 0x27568539, "Right mouse button", "", "")
QDT_CONTROL(INPUT_CURSOR_X, 0xd6c4ecdc, "", "", "")
QDT_CONTROL(INPUT_CURSOR_Y, 0xe4130778, "", "", "")
QDT_CONTROL(INPUT_CURSOR_SCROLL_UP, 0x62800c92, "Mouse wheel up", "", "")
QDT_CONTROL(INPUT_CURSOR_SCROLL_DOWN, 0x8bde7443, "Mouse wheel down", "", "")
