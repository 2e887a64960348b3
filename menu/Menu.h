// The one header a mod includes: every call and field a page of its own uses.
//
//   Rows of each kind ... Menu::Option: the kind flags and the fields of each kind
//   A row's state ....... Option::isDisabled, rightText, badgeDictionary/badgeTexture, description
//   Pages ............... Menu::Submenu and its adders, one per row kind;
//                         Controller::AddSubmenu, AddDynamicSubmenu, RefreshSubmenu, OpenSubmenu
//   Opening and closing . Controller::SetOpen, isOpen
//   Events .............. Controller::onOpen/onClose, Submenu::onEnter/onLeave, Option::onHover
//   Work every frame .... Controller::AddFrameTask
//   The mouse ........... Controller::mouseEnabled
//   Typed text .......... Submenu::AddTextEntry, Option::textTarget
//   Long pages .......... Submenu::AddFilter (find a row by typing); Page Up/Down move a window
//   Kept settings ....... Menu::settings, Option::savedAs, Option::hotkey
//   The look ............ Menu::Style, Menu::Colour, Menu::style
//   Calling a native .... NativeInvoker::Invoke, native::* (host/NativeList.h lists them)
//   Process-wide names .. menuController, submenuRegistry, Menu::SelectedRow, InitializeMenu
//   The menu's version .. QUORVANE_MENU_VERSION (QuorvaneMenuVersion.h, written by the build)
//
// A mod writes the fields marked "set" (in init, or from an action on its own
// row), reads the others and calls what is declared here; the rest of the
// records is the frame's own.
#pragma once

#include "host/MenuArt.h"
#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/FrameState.h"
#include "menu/SettingsState.h"

#include <QuorvaneMenuVersion.h>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Menu {

// ---- Rows of each kind, and a row's state ------------------------------------

// One row of a page. Its kind is a set of flags on this one record; the
// adders of Submenu set them.
struct Option {
    std::string text;             // the label (set through SetText)
    std::string valueText;        // list: always the value at listIndex; number: its value as shown
    std::string description;      // set: shown while this row is selected
    std::function<void()> action; // set: what Select (and a list's or number's step) runs
    std::int32_t index = 0;       // position in the page's options

    // Kind flags, set by the adders.
    bool isAction = true;
    bool isToggle = false;
    bool isList = false;
    bool isSubmenuLink = false;
    bool isSeparator = false; // a heading that up and down step over
    bool isNumber = false;
    bool isTextEntry = false;
    bool isFilter = false; // a text entry whose text is its page's filter (AddFilter)

    bool* toggleTarget = nullptr;         // toggle: the flag Select flips; not owned, outlives the page
    std::vector<std::string> listValues;  // list: the values, in order
    std::int32_t listIndex = 0;           // list: the value shown
    std::int32_t targetSubmenuId = -1;    // link: the page Select opens
    std::int32_t* numberTarget = nullptr; // number: an int32 stepped; not owned
    float* floatTarget = nullptr;         // number: or a float stepped; not owned
    double numberMin = 0.0;               // number: the steps stop here
    double numberMax = 0.0;               // number: ... and here
    double numberStep = 1.0;              // number: one step
    std::int32_t decimals = 0;            // number: digits after the point
    std::string* textTarget = nullptr;    // text entry: the string typed into; not owned
    std::int32_t textMaxLength = 0;       // text entry: at most this many characters

    bool isDisabled = false; // set: drawn dimmed; Select, left and right play the refusal sound
    // set, on action, link and separator rows: drawn right-aligned where a
    // list's value stands (a text entry row shows its value there). A list,
    // number or toggle row shows its value there: registering its page throws.
    std::string rightText;
    std::string badgeDictionary; // set: a texture drawn as a small icon at the row's right end,
    std::string badgeTexture;    // none while empty
    // set: runs when the selection comes onto this row (a move, a page shown,
    // the menu opened with the selection on it).
    std::function<void()> onHover;
    // set, on a toggle, list, number or text row: the setting its value is
    // kept under while Menu::settings.enabled ("camp.hour": the line
    // "hour = 13" under "[camp]"); empty: not kept. Registering its page
    // throws std::invalid_argument for a name without a dot, one in the
    // sections "menu" or "hotkeys", or another kind of row.
    std::string savedAs;
    // set, on an action or toggle row: a key (a Windows virtual-key code, 0
    // none) that runs the row as Select would, the menu open or closed. A
    // saved row's key is kept under "[hotkeys]" by its savedAs name. A key
    // the menu opens with or an earlier row holds is not bound. Another
    // kind of row throws at registration.
    std::uint32_t hotkey = 0;

    // Sets text; a list whose value text was never filled shows its value from now on.
    void SetText(std::string newText);

    // The frame's own: the markers an action's run sets, what the shown
    // value was made from (menu/FrameState.h), and the row's drawing.
    RowFrameState frame;
    void Draw();
};

// ---- Pages ---------------------------------------------------------------------

// The frame's own: what a page's filter row (Submenu::AddFilter) typed and
// the rows it leaves shown (menu/Filter.h).
struct RowFilter {
    std::int32_t row = -1; // the filter row's index; -1: the page has none
    std::string text;      // as typed; empty shows every row
    // While the text is not empty: the rows shown, by index, in order.
    bool active = false;
    std::vector<std::int32_t> shown;
    std::int32_t matches = 0;    // rows below the filter whose label holds the text
    std::int32_t candidates = 0; // rows below the filter, headings aside
    Option noMatch;              // the row shown when none matches
};

// Filled by its init through the adders below, then moved into the registry
// (Controller::AddSubmenu): keep no pointer to a page or row from init. An
// action reads its own row with Menu::SelectedRow().
struct Submenu {
    std::function<void(Submenu*)> init; // fills the rows at registration, and at each rebuild
    std::vector<Option> options;
    std::string title;
    std::string subtitle;
    std::int32_t id = -1;
    std::int32_t optionCount = 0;
    bool isDynamic = false; // its init runs again each time it is shown (AddDynamicSubmenu)

    // set, in init: run when a link, Back or OpenSubmenu shows this page (and
    // after a rebuild), and when one of them leaves it.
    std::function<void()> onEnter;
    std::function<void()> onLeave;

    // Each adder returns the row it added, to set more of it
    // (page->AddOption(...).rightText = "$25"): valid until the next row is
    // added, and only within init.

    // A plain action row.
    Option& AddOption(std::string_view text, std::string_view description, std::function<void()> action);
    // A row that flips *target on Select, then runs action (which may be empty).
    Option& AddToggle(std::string_view text, std::string_view description, bool* target,
                      std::function<void()> action = {});
    // Left, right and Select step through values (wrapping), then run action.
    // Throws std::invalid_argument when values is empty.
    Option& AddList(std::string_view text, std::string_view description, std::vector<std::string> values,
                    std::function<void()> action = {});
    // The same, showing the value at startIndex from the first frame; throws
    // std::invalid_argument when startIndex names no value.
    Option& AddList(std::string_view text, std::string_view description, std::vector<std::string> values,
                    std::int32_t startIndex, std::function<void()> action = {});
    // Left and right step *target by step between min and max (they stop
    // there); Select runs action, and so does each step, after it. Throws
    // std::invalid_argument for a null target, min above max or a step not above 0.
    Option& AddNumber(std::string_view text, std::string_view description, std::int32_t* target,
                      std::int32_t min, std::int32_t max, std::int32_t step,
                      std::function<void()> action = {});
    // The same for a float shown with `decimals` digits (0 to 6); each step
    // lands on min plus a whole number of steps, rounded to those digits.
    Option& AddNumber(std::string_view text, std::string_view description, float* target, float min,
                      float max, float step, std::int32_t decimals, std::function<void()> action = {});
    // A row that opens the page registered under targetId on Select.
    Option& AddSubmenuLink(std::string_view text, std::string_view description, std::int32_t targetId);
    // Typed text: Select opens the game's on-screen keyboard on *target, at
    // most maxLength characters; what is typed goes into *target, then action
    // runs. Throws std::invalid_argument for a null target or a maxLength below 1.
    Option& AddTextEntry(std::string_view text, std::string_view description, std::string* target,
                         std::int32_t maxLength, std::function<void()> action = {});
    // A row that takes typed text through the game's keyboard, as a text row
    // does, and shows only the rows after it whose label holds that text
    // (ASCII letters in either case), each under its heading; "No match"
    // when none does. The counter, moves and the mouse see only what is
    // shown. The text is the page's own: it holds across a link and Back
    // and a rebuild; an empty text shows every row. One a page: a second
    // takes the first one's place.
    Option& AddFilter(std::string_view text, std::string_view description);
    // A heading row that up and down step over.
    Option& AddSeparator(std::string_view text);

    RowFilter filter; // the frame's own

  private:
    Option& Append(Option option, std::string_view text, std::string_view description = {},
                   std::function<void()> action = {});
};

// ---- The controller: pages by id, opening and closing, events, frame work -------

struct Controller {
    Submenu* currentSubmenu = nullptr;      // the page shown, an entry of submenuRegistry; not owned
    std::int32_t selectedIndex = 0;         // the selected row of it
    bool isOpen = false;                    // read it; open and close with SetOpen
    std::vector<std::int32_t> submenuStack; // the pages descended from, most recent last
    std::unordered_map<std::int32_t, std::int32_t> savedSelection; // a page's row, saved as a link left it

    // set, in InitializeMenu: run as the menu opens (after its sound) and closes.
    std::function<void()> onOpen;
    std::function<void()> onClose;
    // set: the mouse acts on the open menu while keyboard and mouse are in use.
    bool mouseEnabled = false;

    // init fills a fresh page once, then the registry entry for id takes it
    // over; the last registration of an id wins. Throws
    // std::invalid_argument, registering nothing, for a list, number or
    // toggle row given a rightText. The main page is 0; Back on a
    // page below 1 closes the menu; a link to an id never registered only
    // plays the Select sound.
    void AddSubmenu(std::int32_t id, std::string_view title, std::string_view subtitle,
                    std::function<void(Submenu*)> init);
    // A page built from what the game holds now: its init runs again on a
    // fresh page each time a link, Back or OpenSubmenu shows it.
    void AddDynamicSubmenu(std::int32_t id, std::string_view title, std::string_view subtitle,
                           std::function<void(Submenu*)> init);
    // Runs the init of page id again, now; on the shown page the selection
    // keeps its row index. Every pointer to the old rows is invalid after.
    void RefreshSubmenu(std::int32_t id);
    // Shows page id from code: a higher id is entered (the page left is
    // remembered), a lower one left. An id never registered changes nothing.
    void OpenSubmenu(std::int32_t id);
    // Opens or closes the menu as F8 does: its sound, the radar, onOpen or onClose.
    void SetOpen(bool open);
    // Work for every frame, open or closed, run after the frame tick in the
    // order added. A task that throws is dropped.
    void AddFrameTask(std::function<void()> task);

    // What the player asked for this frame, which the frame tick reads, and
    // the prompts: the frame writes them as it reads the input.
    std::uint32_t controlGroup = 0; // 0 with keyboard and mouse, 2 otherwise
    bool toggleRequested = false;
    bool backPressed = false;
    bool acceptPressed = false;
    bool upPressed = false;
    bool downPressed = false;
    bool leftPressed = false;
    bool rightPressed = false;
    bool pageUpPressed = false;   // asked only on a page longer than its window
    bool pageDownPressed = false; //
    std::uint32_t selectPrompt = 0;
    std::uint32_t backPrompt = 0;
    bool selectRequested = false;
    bool backRequested = false;

    // The frame's own: its state between frames (menu/FrameState.h) and its
    // steps (menu/FrameSteps.h); the script routine runs the tick and the tasks.
    ControllerFrameState frame;
    void EnterSubmenu(std::int32_t id);
    void GoBack();
    void FrameTick();
    void RunFrameTasks();
};

// The selected row of the shown page, or nullptr when there is none. An action
// runs for the selected row, so this is how it reads its own: a list's
// listIndex and valueText already stepped, a toggle's flag already flipped, a
// number's valueText its target's value. Keep it no longer than the action.
Option* SelectedRow();

// ---- Kept settings ---------------------------------------------------------------

// The settings file beside the plug-in (RanchHand.ini beside RanchHand.asi):
// the rows' savedAs values, "[menu] key" (the key that opens the menu) and
// "[hotkeys]". Read at start-up, written when a kept value changes (at most
// once a second) and when the menu closes.
struct Settings {
    bool enabled = false;     // set, in InitializeMenu: keep settings; off, no file is touched
    SettingsFrameState frame; // the frame's own (menu/SettingsState.h)
};

// Process-wide, defined in host/ProcessState.cpp.
extern Settings settings;

// ---- The look -------------------------------------------------------------------

// 0..255 each, handed to the game as they are.
struct Colour {
    int red = 255;
    int green = 255;
    int blue = 255;
    int alpha = 255;

    bool operator==(const Colour&) const = default;
};

inline constexpr Colour White = {255, 255, 255, 255};

// A font by its number in the game's font table.
using FontIndex = int;

// How the menu looks; a mod sets Menu::style once, in InitializeMenu, before
// the first frame. The defaults are the game's own ledger look.
struct Style {
    // A texture is a dictionary the game has loaded and a texture in it.
    std::string backgroundDictionary = menu_art::Backdrop.dictionary;
    std::string backgroundTexture = menu_art::Backdrop.name;
    std::string headerDictionary = menu_art::Banner.dictionary;
    std::string headerTexture = menu_art::Banner.name;

    Colour backgroundColour = {0, 0, 0, 230};
    Colour headerColour = White;
    Colour titleColour = White;
    Colour subtitleColour = White;
    Colour rowTextColour = White;            // labels, values and tick boxes
    Colour rowBoxColour = {50, 50, 50, 110}; // the box behind each row
    Colour selectedTextColour = White;       // the selected row's label, value and tick box
    // A disabled row's texts and badge. Sessions and the preview tell a
    // disabled row by its label's alpha below 255, so keep the others' at 255.
    Colour disabledTextColour = {255, 255, 255, 110};
    Colour highlightColour = {255, 0, 0, 255}; // the frame around the selected row
    Colour separatorColour = White;            // a heading row's text
    Colour barColour = {255, 255, 255, 175};   // the rule above the description
    Colour descriptionColour = White;
    Colour counterColour = {144, 144, 144, 230};

    // Sizes are for the 1920 x 1080 picture; they scale with the game window.
    FontIndex titleFont = 16;
    int titleSize = 45;
    FontIndex subtitleFont = 16;
    int subtitleSize = 23;
    FontIndex rowFont = 0; // labels, values, tick boxes and the counter
    int rowSize = 22;
    FontIndex separatorFont = 16;
    FontIndex descriptionFont = 0;
    int descriptionSize = 18;
    int counterSize = 20;

    // The rows every page shows at once; below 1 a page shows 1.
    std::int32_t rowsShown = 8;
    // The menu column's left edge and width in pixels of the 1920 x 1080
    // layout. A width below MinimumWidth is drawn at MinimumWidth; a value
    // that is not a finite number is drawn as the default.
    float left = DefaultLeft;
    float width = DefaultWidth;

    static constexpr float DefaultLeft = 92.0f;
    static constexpr float DefaultWidth = 442.0f;
    static constexpr float MinimumWidth = 120.0f;
};

// The look in force, read every frame. Process-wide, defined in host/ProcessState.cpp.
extern Style style;

} // namespace Menu

// ---- Process-wide names -------------------------------------------------------

// Every page ever registered, by id. A node-based map: a stored page never
// moves while others are added.
extern std::unordered_map<std::int32_t, Menu::Submenu> submenuRegistry;
// The one controller, made at start-up (defined in host/ProcessState.cpp).
extern std::unique_ptr<Menu::Controller> menuController;

// Registers every page and leaves the main page, id 0, ready to be shown.
// Exactly one file of a build defines it: voices/MainMenu.cpp in the plug-in.
void InitializeMenu();
