#include "nullhost/SteadyFrames.h"

#include "host/PluginKeys.h"
#include "host/ProcessState.h"
#include "menu/Filter.h"
#include "nullhost/NullHost.h"
#include "voices/VoiceMenu.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

bool godMode = true;
bool infiniteStamina = false;
bool freezeTime = false;

void ClearWantedLevel() {}
void ChangeWeather() {}

void AddTenRows(Menu::Submenu* submenu) {
    submenu->AddSeparator("Player");
    submenu->AddToggle("God mode", "The player takes no damage.", &godMode);
    submenu->AddToggle("Infinite stamina", "Stamina never runs out.", &infiniteStamina);
    submenu->AddList("Weather", "The weather from now on.", {"Sunny", "Rain", "Snow"}, ChangeWeather);
    submenu->AddSubmenuLink("Voices", "Choose the player's voice.", 1);
    submenu->AddSeparator("World");
    submenu->AddOption("Clear wanted level", "Forgets every crime.", ClearWantedLevel);
    submenu->AddToggle("Freeze time", "The clock stands still.", &freezeTime);
    submenu->AddSubmenuLink("More voices", "The same voices again.", 1);
    submenu->AddList("Time of day", "Sets the clock.", {"Dawn", "Noon", "Dusk", "Night"});
}

std::int32_t hour = 13;
float speed = 1.5f;
std::int32_t horses = 3;

void AddRowKinds(Menu::Submenu* submenu) {
    submenu->AddNumber("Hour", "Sets the game's clock.", &hour, 0, 23, 1);
    submenu->AddNumber("Speed", "How fast the day goes.", &speed, 0.0f, 2.0f, 0.1f, 1);
    Menu::Option& horse = submenu->AddOption("Buy horse", "Not enough money.", {});
    horse.isDisabled = true;
    horse.rightText = "$25";
    submenu->AddOption("Sell pelts", "Three pelts.", {}).rightText = "$12";
    Menu::Option& stables = submenu->AddSubmenuLink("Stables", "Your horses.", 1);
    stables.rightText = "3 horses";
    stables.badgeDictionary = "generic_textures";
    stables.badgeTexture = "tick";
    Menu::Option& bounty = submenu->AddOption("Bounty", "Wanted in one state.", {});
    bounty.badgeDictionary = "generic_textures";
    bounty.badgeTexture = "tick";
    Menu::Option& freeze = submenu->AddToggle("Freeze time", "Not at night.", &freezeTime);
    freeze.isDisabled = true;
    freeze.badgeDictionary = "generic_textures";
    freeze.badgeTexture = "tick";
    submenu->AddNumber("Horses", "Not for sale.", &horses, 0, 9, 1).isDisabled = true;
}

// The long page: a filter row, then rows named as a stable's horses, every
// seventh an Arabian. The labels are made once, before anything is measured.
constexpr std::size_t LongPageRows = 2000;

const std::vector<std::string>& LongPageLabels() {
    static const std::vector<std::string> labels = [] {
        std::vector<std::string> made;
        for (std::size_t row = 1; row < LongPageRows; ++row) {
            made.push_back((row % 7 == 0 ? "Arabian horse " : "Stable horse ") + std::to_string(row));
        }
        return made;
    }();
    return labels;
}

void AddLongPage(Menu::Submenu* submenu) {
    submenu->AddFilter("Find a horse", "Type part of a name.");
    for (const std::string& label : LongPageLabels()) {
        submenu->AddOption(label, "Select makes it yours.", {});
    }
}

void ForgetLoadedState() {
    RebuildProcessState();
    nullhost::Reset();
}

} // namespace

std::string_view ScenarioName(Scenario scenario) {
    switch (scenario) {
    case Scenario::Closed:
        return "closed";
    case Scenario::VoiceMenuOpen:
        return "open";
    case Scenario::TenRowsScrolled:
        return "ten_rows";
    case Scenario::RowKinds:
        return "row_kinds";
    case Scenario::MouseOnRow:
        return "mouse";
    case Scenario::LongPage:
        return "long_page";
    }
    return "?";
}

std::optional<Scenario> ScenarioNamed(std::string_view name) {
    for (const Scenario scenario : AllScenarios) {
        if (ScenarioName(scenario) == name) {
            return scenario;
        }
    }
    return std::nullopt;
}

std::string_view ChangeName(Change change) {
    switch (change) {
    case Change::Row:
        return "row";
    case Change::ListValue:
        return "list_value";
    case Change::Page:
        return "page";
    }
    return "?";
}

std::optional<Change> ChangeNamed(std::string_view name) {
    for (const Change change : AllChanges) {
        if (ChangeName(change) == name) {
            return change;
        }
    }
    return std::nullopt;
}

bool MakeChange(Change change) {
    Menu::Controller& menu = *menuController;
    if (!menu.isOpen) {
        return false;
    }
    switch (change) {
    case Change::Row:
        menu.selectedIndex += menu.selectedIndex > 0 ? -1 : 1;
        return true;
    case Change::ListValue: {
        Menu::Option* row = Menu::SelectedRow();
        if (row == nullptr || !row->isList || row->listValues.empty()) {
            return false;
        }
        row->listIndex = (row->listIndex + 1) % static_cast<std::int32_t>(row->listValues.size());
        row->valueText = row->listValues[static_cast<std::size_t>(row->listIndex)];
        return true;
    }
    case Change::Page:
        // The voice menu goes to the ten rows, the ten rows to the voices.
        if (menu.currentSubmenu->id == 0 && submenuRegistry.count(1) == 0) {
            menu.AddSubmenu(1, "More", "Ten rows", AddTenRows);
        }
        menu.EnterSubmenu(1);
        return true;
    }
    return false;
}

void StartScenario(Scenario scenario) {
    ForgetLoadedState();
    nullhost::LoadAndRunToFirstWait();
    if (!menuController) {
        throw std::logic_error("the plug-in's start-up failed");
    }
    if (scenario == Scenario::TenRowsScrolled) {
        menuController->AddSubmenu(1, "Voices", "Player", AddVoiceOptions);
        menuController->AddSubmenu(0, "Quorvane Dev Tools", "Main Menu", AddTenRows);
        menuController->selectedIndex = 9;
    }
    if (scenario == Scenario::RowKinds) {
        menuController->AddSubmenu(1, "Voices", "Player", AddVoiceOptions);
        menuController->AddSubmenu(0, "Quorvane Dev Tools", "Row kinds", AddRowKinds);
    }
    if (scenario == Scenario::LongPage) {
        menuController->AddSubmenu(1, "Voices", "Player", AddVoiceOptions);
        RegisterLongPage(0);
        menuController->selectedIndex = static_cast<std::int32_t>(LongPageRows / 2);
    }
    if (scenario == Scenario::MouseOnRow) {
        menuController->mouseEnabled = true;
    }
    if (scenario != Scenario::Closed) {
        nullhost::TapKey(plugin_keys::Toggle);
        RunFrame();
        if (!menuController->isOpen) {
            throw std::logic_error("F8 did not open the menu");
        }
    }
}

void RegisterLongPage(std::int32_t id) {
    menuController->AddSubmenu(id, "Quorvane Dev Tools", "Horses", AddLongPage);
}

void FilterLongPage(std::string_view text) {
    Menu::SetFilterText(submenuRegistry[0], std::string(text));
}

void RunFrame() {
    menuController->FrameTick();
    menuController->RunFrameTasks();
}

CallStream RecordFrame() {
    struct Recording {
        explicit Recording(CallStream& stream) { nullhost::RecordInto(&stream); }
        ~Recording() { nullhost::RecordInto(nullptr); }
        Recording(const Recording&) = delete;
        Recording& operator=(const Recording&) = delete;
    };
    CallStream stream;
    const std::uint64_t lookups = nullhost::GlobalLookups();
    {
        const Recording recording(stream);
        RunFrame();
    }
    if (nullhost::GlobalLookups() != lookups) {
        throw std::logic_error("a frame that writes a script global cannot be replayed");
    }
    return stream;
}
