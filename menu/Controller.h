// The one menu controller: which submenu is shown, which row is selected, how
// the player got there and what the player asked for this frame.
#pragma once

#include "menu/Mouse.h"
#include "menu/Submenu.h"
#include "menu/TextEntry.h"

#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Menu {

struct Controller {
    Submenu* currentSubmenu = nullptr; // an entry of submenuRegistry; not owned
    std::int32_t selectedIndex = 0;
    bool isOpen = false;
    std::vector<std::int32_t> submenuStack; // the submenus descended from, most recent last
    std::unordered_map<std::int32_t, std::int32_t> savedSelection;
    std::uint32_t controlGroup = 0; // 0 with keyboard and mouse, 2 otherwise
    bool toggleRequested = false;
    bool backPressed = false;
    bool acceptPressed = false;
    bool upPressed = false;
    bool downPressed = false;
    bool leftPressed = false;
    bool rightPressed = false;
    std::uint32_t selectPrompt = 0;
    std::uint32_t backPrompt = 0;
    bool selectRequested = false;
    bool backRequested = false;

    // Holding left or right on a number row steps again after
    // NumberRepeatDelayMs, then every NumberRepeatIntervalMs; the held
    // controls are asked only while a number row is selected.
    bool leftRepeated = false;  // a held left steps this frame
    bool rightRepeated = false; // a held right steps this frame
    bool repeatArmed = false;   // left or right went down on the selected number row and is held
    std::uint32_t nextRepeatAt = 0;

    // Run on the script routine as the menu opens (after its sound) and closes.
    std::function<void()> onOpen;
    std::function<void()> onClose;

    // Run once a frame, after the frame tick, open or closed, in the order
    // added (RunFrameTasks). A list: adding a task from a task keeps every
    // running one in place.
    std::list<std::function<void()>> frameTasks;

    // The mouse acts on the open menu while keyboard and mouse are in use;
    // off unless a plug-in turns it on.
    bool mouseEnabled = false;
    Pointer pointer;
    HeldWindow heldWindow;
    // The game's keyboard a text row opened: while it is open the menu takes
    // no other input.
    Typing typing;

    // Registration: init fills a fresh submenu once, then the registry entry
    // for id takes over all of it. The last registration of an id wins.
    // The Submenu* init receives is valid during init only: the page is moved
    // into the registry when init returns, so neither it nor its rows may be
    // kept. An action reaches its own row with SelectedRow() below.
    // Ids: the main page is 0 and Back on a page below 1 closes the menu; a
    // link to an id never registered only plays the Select sound.
    void AddSubmenu(std::int32_t id, std::string_view title, std::string_view subtitle,
                    std::function<void(Submenu*)> init);
    // The same for a page built from what the game holds now: its init runs
    // again on a fresh page each time a link, Back or OpenSubmenu shows it.
    void AddDynamicSubmenu(std::int32_t id, std::string_view title, std::string_view subtitle,
                           std::function<void(Submenu*)> init);
    // Runs the init of the page registered under id again, now, on a fresh
    // page that takes the entry's place. On the shown page the selection
    // keeps its row index, brought within the new rows and off a separator.
    // Every pointer to the page's old rows is invalid afterwards. An id
    // never registered, or without an init, changes nothing.
    void RefreshSubmenu(std::int32_t id);
    void OpenSubmenu(std::int32_t id);
    void EnterSubmenu(std::int32_t id);
    void GoBack();

    // Work for every frame, such as applying a toggle's effect again. A task
    // that throws is dropped; one that waits holds the script as an action
    // that waits does.
    void AddFrameTask(std::function<void()> task);

    // One game frame: input, navigation, control suppression, drawing, prompts.
    void FrameTick();
    // The frame tasks, once each; the script routine runs them after FrameTick.
    void RunFrameTasks();

    // Input and navigation.
    void ReadInput();
    void Navigate();
    void SuppressGameControls();
    void SetOpen(bool open);

    // The mouse's share of the frame's requests (menu/Mouse.cpp).
    void ReadMouse();
    // The keyboard a text row opened: asked once a frame while it is open
    // (menu/TextEntry.cpp).
    void OpenKeyboard(std::int32_t row);
    void ReadKeyboard();
    // After the keyboard: Select and Back wait until their controls are up.
    void SettleAfterKeyboard();
};

// The selected row of the shown submenu, or nullptr when there is none (no
// controller yet, no submenu shown, or no row at the selection). An action
// always runs for the selected row, so this is how it reads its own row: a
// list's listIndex and valueText are already stepped, a toggle's
// *toggleTarget already flipped, a number's valueText shows its target now.
// Valid while the rows stay as they are (a rebuild replaces them): use it
// within the action, keep it no longer. Makes no native call.
Option* SelectedRow();

} // namespace Menu

// Every submenu ever registered, by id. A node-based map, so a stored submenu
// never moves while others are added.
extern std::unordered_map<std::int32_t, Menu::Submenu> submenuRegistry;
// The one controller, made at start-up. Both are process-wide state, defined
// with the rest of it in host/ProcessState.cpp.
extern std::unique_ptr<Menu::Controller> menuController;
