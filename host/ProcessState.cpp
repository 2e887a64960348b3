#include "host/ProcessState.h"

#include "host/Platform.h"

std::unordered_map<std::int32_t, Menu::Submenu> submenuRegistry;
std::unique_ptr<Menu::Controller> menuController;
float screenWidth = static_cast<float>(GetSystemMetrics(SM_CXSCREEN));
float screenHeight = static_cast<float>(GetSystemMetrics(SM_CYSCREEN));
float rowPitch = screenHeight * 0.051f;
std::vector<std::string> Menu::FontNames = {
    "body",        "body1",
    "catalog1",    "catalog2",
    "catalog3",    "catalog4",
    "catalog5",    "chalk",
    "Debug_BOLD",  "FixedWidthNumbers",
    "Font5",       "gamername",
    "handwritten", "ledger",
    "RockstarTAG", "SOCIAL_CLUB_COND_BOLD",
    "title",       "wantedPostersGeneric",
};
std::int32_t windowWidth = GetSystemMetrics(SM_CXSCREEN);
