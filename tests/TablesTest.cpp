// The native and control tables: each entry once, and the controls as
// docs/game-controls.md lists them, names and default bindings alike.
#include "host/GameControls.h"
#include "host/Natives.h"
#include "host/PluginKeys.h"
#include "sim/ControlTable.h"
#include "sim/NativeTable.h"
#include "sim/Recorder.h"
#include "tests/support/RecordedCall.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

// A page written against 1.0 names the tables as it did: this must compile.
[[maybe_unused]] constexpr std::uint64_t namedAsIn1_0[] = {Native::SetClockTime, Control::INPUT_GAME_MENU_UP,
                                                           PluginKeys::Toggle};

TEST(NativeTableTest, EachNativeHasOneHashOneNameAndKnownKinds) {
    std::set<std::uint64_t> hashes;
    std::set<std::string_view> names;
    for (const sim::NativeInfo& info : sim::Natives()) {
        EXPECT_TRUE(hashes.insert(info.hash).second) << info.name << " shares its hash";
        EXPECT_TRUE(names.insert(info.name).second) << info.name << " is listed twice";
        EXPECT_EQ(info.arguments.find_first_not_of(sim::ArgumentKinds), std::string_view::npos) << info.name;
        EXPECT_NE(sim::ResultKinds.find(info.result), std::string_view::npos) << info.name;
        EXPECT_EQ(sim::FindNative(info.hash), &info);
    }
    EXPECT_EQ(sim::FindNative(0x1234), nullptr);
}

TEST(ControlTableTest, RecordsNameKnownControlsAndShowOthersAsHex) {
    EXPECT_EQ(sim::Describe(RecordedCall(native::ControlJustReleased, {0, 0x43dbf61f})),
              "PAD::IS_CONTROL_JUST_RELEASED(0, INPUT_GAME_MENU_ACCEPT) -> 0");
    EXPECT_EQ(sim::Describe(RecordedCall(native::DisableControl, {2, 0x0000abcd, 0})),
              "PAD::DISABLE_CONTROL_ACTION(2, 0x0000abcd, 0)");
    EXPECT_EQ(sim::Describe(RecordedCall(native::SetPromptControl, {1, 0x308588e6})),
              "HUD::_UI_PROMPT_SET_CONTROL_ACTION(1, INPUT_GAME_MENU_CANCEL)");
    // A name hash is no control, even where it has a control's value.
    EXPECT_EQ(sim::Describe(RecordedCall(native::SetVoiceByHash, {1, 0x43dbf61f})),
              "AUDIO::_SET_VOFX_PED_VOICE(1, 0x43dbf61f)");
}

struct DocumentedControl {
    std::uint32_t hash = 0;
    std::string name;
    std::vector<std::string> keys;
    std::string button;
};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "(none)" and "(not listed)" are no binding.
std::vector<std::string> Bindings(const std::string& cell) {
    std::vector<std::string> bindings;
    if (cell.starts_with('(')) {
        return bindings;
    }
    std::size_t from = 0;
    while (from <= cell.size()) {
        const std::size_t comma = std::min(cell.find(',', from), cell.size());
        bindings.push_back(Trimmed(cell.substr(from, comma - from)));
        from = comma + 1;
    }
    return bindings;
}

// The rows of the document's table: | hash | name | keyboard | controller | use |
std::vector<DocumentedControl> ReadDocumentedControls() {
    std::ifstream file(QDT_CONTROLS_DOCUMENT);
    std::vector<DocumentedControl> controls;
    for (std::string line; std::getline(file, line);) {
        if (!line.starts_with("| 0x")) {
            continue;
        }
        std::vector<std::string> cells;
        for (std::size_t bar = 0, next; (next = line.find('|', bar + 1)) != std::string::npos; bar = next) {
            cells.push_back(Trimmed(line.substr(bar + 1, next - bar - 1)));
        }
        EXPECT_EQ(cells.size(), 5u) << line;
        if (cells.size() != 5) {
            continue;
        }
        const std::vector<std::string> buttons = Bindings(cells[3]);
        controls.push_back({static_cast<std::uint32_t>(std::stoul(cells[0], nullptr, 16)), cells[1],
                            Bindings(cells[2]), buttons.empty() ? "" : buttons.front()});
    }
    return controls;
}

TEST(ControlTableTest, ListsTheDocumentedControlsWithTheirNamesAndBindings) {
    const std::vector<DocumentedControl> documented = ReadDocumentedControls();
    ASSERT_EQ(documented.size(), sim::Controls().size()) << "every control in " << QDT_CONTROLS_DOCUMENT;
    std::set<std::uint32_t> hashes;
    for (const DocumentedControl& control : documented) {
        EXPECT_TRUE(hashes.insert(control.hash).second) << control.name << " is listed twice";
        const sim::ControlInfo* info = sim::FindControl(control.hash);
        ASSERT_NE(info, nullptr) << control.name;
        EXPECT_EQ(info->name, control.name);
        EXPECT_EQ(sim::FindControl(control.name), info);
        std::vector<std::string> keys;
        for (const std::string_view key : info->keys) {
            if (!key.empty()) {
                keys.emplace_back(key);
            }
        }
        EXPECT_EQ(keys, control.keys) << control.name;
        EXPECT_EQ(info->button, control.button) << control.name;
    }
    EXPECT_EQ(sim::FindControl("INPUT_NOT_A_CONTROL"), nullptr);
}

} // namespace
