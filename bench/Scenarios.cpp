#include "bench/Scenarios.h"

#include "bench/NullHost.h"
#include "driver/LinkedPlugin.h"
#include "host/ProcessState.h"
#include "voices/VoiceMenu.h"

#include <stdexcept>

namespace {

constexpr DWORD KeyF8 = 0x77;

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

void ForgetLoadedState() {
    sim::ResetLinkedPlugin();
    NullHost::Reset();
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

void StartScenario(Scenario scenario) {
    ForgetLoadedState();
    NullHost::LoadAndRunToFirstWait();
    if (!menuController) {
        throw std::logic_error("the plug-in's start-up failed");
    }
    if (scenario == Scenario::TenRowsScrolled) {
        menuController->AddSubmenu(1, "Voices", "Player", AddVoiceOptions);
        menuController->AddSubmenu(0, "Quorvane Dev Tools", "Main Menu", AddTenRows);
        menuController->selectedIndex = 9;
    }
    if (scenario != Scenario::Closed) {
        NullHost::TapKey(KeyF8);
        RunFrame();
        if (!menuController->isOpen) {
            throw std::logic_error("F8 did not open the menu");
        }
    }
}

void RunFrame() {
    menuController->FrameTick();
}

CallStream RecordFrame() {
    struct Recording {
        explicit Recording(CallStream& stream) { NullHost::RecordInto(&stream); }
        ~Recording() { NullHost::RecordInto(nullptr); }
        Recording(const Recording&) = delete;
        Recording& operator=(const Recording&) = delete;
    };
    CallStream stream;
    const std::uint64_t lookups = NullHost::GlobalLookups();
    {
        const Recording recording(stream);
        RunFrame();
    }
    if (NullHost::GlobalLookups() != lookups) {
        throw std::logic_error("a frame that writes a script global cannot be replayed");
    }
    return stream;
}
