// The camp: the game's hour as a number row that sets the clock and follows
// it, sleep that only night allows, and stamina kept up every frame by an
// amount set on a float row; the stamina rows are kept in the settings file,
// and F5 flips the toggle.
#include "examples/ExamplePage.h"

#include "menu/Menu.h"

#include <cstdint>
#include <string>

namespace {

// Targets of the rows outlive the page, which is built anew at each showing.
std::int32_t hour = 12; // the game's clock, as the page last read it
bool keepStaminaUp = false;
float refillPerFrame = 1.0f;

// The clock is read every frame only while its row can be seen.
bool menuOpen = false;
bool campShown = false;

constexpr std::int32_t MorningHour = 6;

bool IsNight(std::int32_t hours) {
    return hours >= 22 || hours < 5;
}

std::int32_t ClockHours() {
    return NativeInvoker::Invoke<std::int32_t>(native::GetClockHours);
}

// The hour row's action, after each step: night may have come or gone.
void SetClock() {
    NativeInvoker::Invoke(native::SetClockTime, hour, 0, 0);
    menuController->RefreshSubmenu(CampPageId);
}

void SleepUntilMorning() {
    NativeInvoker::Invoke(native::SetClockTime, MorningHour, 0, 0);
}

// Says what sleeping would do, as the selection comes onto the row.
void DescribeSleep() {
    if (Menu::Option* row = Menu::SelectedRow()) {
        row->description =
            IsNight(hour) ? "Sleep " + std::to_string((MorningHour - hour + 24) % 24) + " hours, until 6:00."
                          : "Only at night, from 22:00 to 5:00.";
    }
}

// Frame tasks: they run every frame after the menu's, open or closed.
void KeepStaminaUp() {
    if (keepStaminaUp) {
        const auto player = NativeInvoker::Invoke<std::uint32_t>(native::PlayerId);
        NativeInvoker::Invoke(native::RestorePlayerStamina, player, refillPerFrame);
    }
}

void FollowTheClock() {
    if (!menuOpen || !campShown) {
        return;
    }
    if (const std::int32_t now = ClockHours(); now != hour) {
        hour = now;
        menuController->RefreshSubmenu(CampPageId);
    }
}

void AddCampRows(Menu::Submenu* page) {
    hour = ClockHours();
    page->onEnter = [] { campShown = true; };
    page->onLeave = [] { campShown = false; };
    page->AddNumber("Hour", "Left and right set the game's clock.", &hour, 0, 23, 1, SetClock);
    Menu::Option& sleep = page->AddOption("Sleep until morning", "", SleepUntilMorning);
    sleep.isDisabled = !IsNight(hour);
    sleep.rightText = IsNight(hour) ? "" : "night only";
    sleep.onHover = DescribeSleep;
    page->AddSeparator("Stamina");
    Menu::Option& stamina =
        page->AddToggle("Keep stamina up", "Refills stamina every frame, open or closed.", &keepStaminaUp);
    stamina.savedAs = "camp.stamina";
    // F5 flips it, the menu open or closed (the settings file may rebind it).
    stamina.hotkey = 0x74;
    page->AddNumber("Refill per frame", "How much stamina each frame gives back.", &refillPerFrame, 0.0f,
                    2.0f, 0.1f, 1)
        .savedAs = "camp.refill";
}

} // namespace

void RegisterCampPage() {
    menuController->AddDynamicSubmenu(CampPageId, "Example", "Camp", AddCampRows);
    menuController->AddFrameTask(KeepStaminaUp);
    menuController->AddFrameTask(FollowTheClock);
    menuController->onOpen = [] { menuOpen = true; };
    menuController->onClose = [] { menuOpen = false; };
}
