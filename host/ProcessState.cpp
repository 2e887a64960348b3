#include "host/ProcessState.h"

#include "host/Platform.h"
#include "host/PluginMain.h"
#include "menu/Geometry.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <new>

namespace {

// GetSystemMetrics answers 0 when it fails. Dividing by that would put every
// sprite at infinity, so a screen of no size is taken to be the 1920 x 1080
// picture the layout is written in.
int ScreenMetric(int index, int reference) {
    const int metric = GetSystemMetrics(index);
    return metric > 0 ? metric : reference;
}

} // namespace

// Every global that lives from load to unload, in the order a load builds them,
// each with its load-time value (nothing: value-initialised). The definitions
// and RebuildProcessState are both made from this list, so a global added here
// is also rebuilt between the runs of a linked plug-in.
#define QDT_PROCESS_STATE(STATE)                                                                             \
    STATE(keyStates)                                                                                         \
    STATE(submenuRegistry)                                                                                   \
    STATE(menuController)                                                                                    \
    STATE(screenWidth, static_cast<float>(ScreenMetric(SM_CXSCREEN, 1920)))                                  \
    STATE(screenHeight, static_cast<float>(ScreenMetric(SM_CYSCREEN, 1080)))                                 \
    STATE(rowPitch, Menu::RowPitch)                                                                          \
    STATE(Menu::FontNames, "body", "body1", "catalog1", "catalog2", "catalog3", "catalog4", "catalog5",      \
          "chalk", "Debug_BOLD", "FixedWidthNumbers", "Font5", "gamername", "handwritten", "ledger",         \
          "RockstarTAG", "SOCIAL_CLUB_COND_BOLD", "title", "wantedPostersGeneric")                           \
    STATE(windowWidth, ScreenMetric(SM_CXSCREEN, 1920))                                                      \
    STATE(windowHeight, ScreenMetric(SM_CYSCREEN, 1080))                                                     \
    STATE(windowScale, Menu::ScaleOfWindow(windowWidth, windowHeight))                                       \
    STATE(Menu::frameTexts)                                                                                  \
    STATE(Menu::textImages)                                                                                  \
    STATE(Menu::style)                                                                                       \
    STATE(Menu::settings)                                                                                    \
    STATE(pluginModule)

#define QDT_DEFINE(name, ...) decltype(name) name{__VA_ARGS__};
QDT_PROCESS_STATE(QDT_DEFINE)
#undef QDT_DEFINE

void RebuildProcessState() {
    using Step = void (*)();
    static constexpr Step destroy[] = {
#define QDT_DESTROY(name, ...) [] { std::destroy_at(&name); },
        QDT_PROCESS_STATE(QDT_DESTROY)
#undef QDT_DESTROY
    };
    std::for_each(std::rbegin(destroy), std::rend(destroy), [](Step step) { step(); });
#define QDT_BUILD(name, ...) ::new (static_cast<void*>(&name)) decltype(name){__VA_ARGS__};
    QDT_PROCESS_STATE(QDT_BUILD)
#undef QDT_BUILD
}
