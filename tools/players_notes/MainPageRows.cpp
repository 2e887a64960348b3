#include "tools/players_notes/MainPageRows.h"

#include "driver/InputSequences.h"
#include "driver/Runner.h"
#include "driver/Screen.h"
#include "host/GameControls.h"
#include "readback/MenuState.h"
#include "sim/StandInHook.h"

#include <stdexcept>

namespace players_notes {

namespace {

// What the last frame of a sequence showed.
readback::MenuState Shown(driver::Runner& runner, const driver::InputSequence& sequence) {
    readback::MenuState shown;
    driver::Play(runner, sequence, [&](const sim::Frame& frame) { shown = readback::ReadMenu(frame); });
    return shown;
}

} // namespace

std::vector<std::string> ReadMainPageRows(const std::string& modulePath) {
    sim::StandInHook host;
    driver::SetScreen(host, driver::Screen{});
    driver::Runner runner(host);
    runner.Load(driver::Plugin::Load(modulePath));
    runner.RunFrame();

    readback::MenuState shown = Shown(runner, driver::ToggleWithF8());
    if (!shown.open) {
        throw std::runtime_error("the menu did not open with F8");
    }
    if (!shown.counter) {
        throw std::runtime_error("the open menu shows no row counter (\"1 of N\")");
    }
    std::vector<std::string> rows;
    // A move may step over a separator, so the counter can jump; it comes
    // round when it no longer grows. Each move reaches at least the next row,
    // so the count bounds the moves.
    const int rowCount = shown.counter->rows;
    int lastRow = 0;
    for (int move = 0; move <= rowCount && shown.counter && shown.counter->row > lastRow; ++move) {
        if (!shown.selectedRow.empty()) {
            rows.push_back(shown.selectedRow);
        }
        lastRow = shown.counter->row;
        shown = Shown(runner, driver::TapControl(control::INPUT_GAME_MENU_DOWN));
    }
    runner.Unload();
    return rows;
}

} // namespace players_notes
