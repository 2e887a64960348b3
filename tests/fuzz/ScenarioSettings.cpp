#include "tests/fuzz/ScenarioSettings.h"

#include "driver/GameFolder.h"
#include "sim/StandInHook.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path& ScenarioFolder() {
    static const fs::path folder = fs::temp_directory_path() / ("qdt-fuzz-" + std::to_string(getpid()));
    return folder;
}

// Values a row may find: kept by the menu, written by a player, or neither.
constexpr std::array<std::string_view, 14> values = {
    "on", "off",  "TRUE",  "0",   "value 1",        "value 9", "23",
    "-1", "0.10", "1e999", "nan", "\"  spaced  \"", "",        "\xff",
};
constexpr std::array<std::string_view, 7> keyNames = {"F8", "F5", "a", "0x41", "bogus", "", "0x00"};

std::string PlayersFile(ByteReader& in) {
    std::string text = "; a player's note\n[menu]\nkey = ";
    text += keyNames[in.Pick(keyNames.size())];
    for (std::size_t page = 0; page < 3; ++page) {
        text += "\n[t" + std::to_string(page) + "]\n";
        for (std::size_t row = 0; row < 6; ++row) {
            text += "row " + std::to_string(row) + " = " + std::string(values[in.Pick(values.size())]) + "\n";
        }
    }
    text += "[hotkeys]\nt0.row 0 = " + std::string(keyNames[in.Pick(keyNames.size())]) +
            "\nt1.row 1 = " + std::string(keyNames[in.Pick(keyNames.size())]) + "\nother version = F3\n";
    return text;
}

} // namespace

void PlaceInScenarioFolder(sim::StandInHook& host) {
    std::error_code ignored;
    fs::remove_all(ScenarioFolder(), ignored);
    fs::create_directories(ScenarioFolder(), ignored);
    host.gameFolder = ScenarioFolder().string();
}

void WriteScenarioSettings(ByteReader& in, const sim::StandInHook& host) {
    if (host.gameFolder.empty()) {
        return;
    }
    const fs::path path = driver::SettingsPathOf(host);
    std::string text;
    switch (in.Pick(7)) {
    case 0: {
        std::error_code ignored;
        fs::remove(path, ignored);
        return;
    }
    case 1:
        return; // as the last game left it
    case 2:
        text = PlayersFile(in);
        break;
    case 3:
        for (std::size_t i = 0; i < 64; ++i) {
            text += static_cast<char>(in.Byte());
        }
        break;
    case 4:
        text = std::string(70 * 1024, 'x') + "\n" + PlayersFile(in);
        break;
    case 5:
        text = PlayersFile(in);
        text.resize(text.size() / 2); // cut mid-line, as a crash may leave it
        break;
    default:
        text = "\xef\xbb\xbf" + PlayersFile(in);
        for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
            text.insert(at, 1, '\r');
        }
        break;
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void SpoilScenarioFolder(ByteReader& in, sim::StandInHook& host) {
    const std::size_t choice = in.Pick(3);
    if (host.gameFolder.empty()) {
        return; // no game has kept settings yet
    }
    host.gameFolder = ScenarioFolder().string();
    std::error_code ignored;
    fs::path temporary = driver::SettingsPathOf(host);
    temporary += ".tmp";
    if (choice == 0) {
        host.gameFolder = (ScenarioFolder() / "gone").string();
    } else if (choice == 1) {
        fs::create_directories(temporary, ignored);
    } else {
        fs::remove_all(temporary, ignored);
    }
}

void RemoveScenarioFolder() {
    std::error_code ignored;
    fs::remove_all(ScenarioFolder(), ignored);
}
