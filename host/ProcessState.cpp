#include "host/ProcessState.h"

#include "host/Platform.h"

namespace {

// GetSystemMetrics answers 0 when it fails. Dividing by that would put every
// sprite at infinity, so a screen of no size is taken to be the 1920 x 1080
// picture the layout is written in.
int ScreenMetric(int index, int reference) {
    const int metric = GetSystemMetrics(index);
    return metric > 0 ? metric : reference;
}

} // namespace

std::unordered_map<std::int32_t, Menu::Submenu> submenuRegistry;
std::unique_ptr<Menu::Controller> menuController;
float screenWidth = static_cast<float>(ScreenMetric(SM_CXSCREEN, 1920));
float screenHeight = static_cast<float>(ScreenMetric(SM_CYSCREEN, 1080));
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
std::int32_t windowWidth = ScreenMetric(SM_CXSCREEN, 1920);
