// The shipped main page (voices/MainMenu.cpp) and its voice rows: after a change
// to that page, these are the tests to update (CTest label "shipped").
#include "tests/support/MenuFixture.h"

#include "sim/Game.h"
#include "sim/NativeTable.h"

#include <algorithm>
#include <cstdio>

namespace {

struct VoiceRow {
    const char* voice;
    const char* nonVerbal;
};

constexpr VoiceRow rows[] = {
    {"VOFX_PLAYER_MALE01", "GENERIC_NONVERBAL_PLAYER_MALE01"},
    {"VOFX_PLAYER_MALE02", "GENERIC_NONVERBAL_PLAYER_MALE02"},
    {"VOFX_PLAYER_MALE03", "GENERIC_NONVERBAL_PLAYER_MALE03"},
    {"VOFX_PLAYER_FEMALE01", "GENERIC_NONVERBAL_PLAYER_FEMALE01"},
    {"VOFX_PLAYER_FEMALE02", "GENERIC_NONVERBAL_PLAYER_FEMALE02"},
    {"VOFX_PLAYER_FEMALE03", "GENERIC_NONVERBAL_PLAYER_FEMALE03"},
};

class ShippedVoiceMenuTest : public PluginTest {
  protected:
    const Menu::Submenu& Main() const { return submenuRegistry.at(0); }

    // Runs a row's action between frames, as navigation would, and returns its calls.
    std::vector<std::string> RunAction(std::size_t row) {
        host.recorder.BeginFrame();
        Main().options.at(row).action();
        return LastFrame();
    }
};

TEST_F(ShippedVoiceMenuTest, MainSubmenuHoldsTheSixVoiceRowsInOrder) {
    Start();
    const Menu::Submenu& main = Main();
    EXPECT_EQ(main.id, 0);
    EXPECT_EQ(main.title, "Quorvane Dev Tools");
    EXPECT_EQ(main.subtitle, "Main Menu");
    ASSERT_EQ(main.optionCount, 6);
    ASSERT_EQ(main.options.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const Menu::Option& option = main.options[i];
        EXPECT_EQ(option.index, static_cast<int>(i));
        EXPECT_EQ(option.text, std::string("Set voice: ") + rows[i].voice);
        EXPECT_EQ(option.description, std::string("Sets the player's voice to ") + rows[i].voice + ".");
        EXPECT_TRUE(option.isAction);
        EXPECT_FALSE(option.isToggle || option.isList || option.isSubmenuLink || option.isSeparator);
        EXPECT_TRUE(option.action);
    }
}

TEST_F(ShippedVoiceMenuTest, EachRowMakesItsFiveCallsWithTheSecondHandle) {
    Start();
    for (std::size_t row = 0; row < 6; ++row) {
        std::uint32_t handle = 6;
        host.game.answerOverride = [&handle](const sim::NativeCall& call) -> std::optional<std::uint64_t> {
            if (call.info != nullptr && call.info->name == "PLAYER::PLAYER_PED_ID") {
                return ++handle;
            }
            return std::nullopt;
        };
        char hash[16];
        std::snprintf(hash, sizeof hash, "0x%08x", sim::HashName(rows[row].voice));
        EXPECT_EQ(RunAction(row),
                  (std::vector<std::string>{
                      "PLAYER::PLAYER_PED_ID() -> 7",
                      std::string("AUDIO::SET_AMBIENT_VOICE_NAME(7, \"") + rows[row].nonVerbal + "\")",
                      std::string("MISC::GET_HASH_KEY(\"") + rows[row].voice + "\") -> " + hash,
                      "PLAYER::PLAYER_PED_ID() -> 8",
                      std::string("AUDIO::_SET_VOFX_PED_VOICE(8, ") + hash + ")",
                  }))
            << "row " << row;
        EXPECT_EQ(host.game.voices.at(8), sim::HashName(rows[row].voice));
        EXPECT_EQ(host.game.nonVerbalVoices.at(7), rows[row].nonVerbal);
    }
}

TEST_F(ShippedVoiceMenuTest, SelectingTheSameRowTwiceRepeatsTheCalls) {
    Start();
    const auto first = RunAction(3);
    const auto second = RunAction(3);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.size(), 5u);
    EXPECT_EQ(host.game.voices.at(host.game.playerCharacter), sim::HashName("VOFX_PLAYER_FEMALE01"));
}

// The voice rows as a player reaches them.
class ShippedVoiceMenuNavigationTest : public MenuTest {};

TEST_F(ShippedVoiceMenuNavigationTest, F8ThreeDownsAndSelectApplyTheFourthVoice) {
    StartOpen();
    for (int move = 1; move <= 3; ++move) {
        Tap(Menu::DownControl);
        EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_DOWN/Ledger_Sounds"});
        EXPECT_EQ(Controller().selectedIndex, move);
    }
    Tap(Menu::SelectControl);

    const std::uint32_t hash = sim::HashName("VOFX_PLAYER_FEMALE01");
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08x", hash);
    const auto calls = Calls();
    const auto first = std::find(calls.begin(), calls.end(), "PLAYER::PLAYER_PED_ID() -> 42");
    ASSERT_GE(std::distance(first, calls.end()), 7);
    EXPECT_EQ(std::vector<std::string>(first, first + 7),
              (std::vector<std::string>{
                  "PLAYER::PLAYER_PED_ID() -> 42",
                  "AUDIO::SET_AMBIENT_VOICE_NAME(42, \"GENERIC_NONVERBAL_PLAYER_FEMALE01\")",
                  std::string("MISC::GET_HASH_KEY(\"VOFX_PLAYER_FEMALE01\") -> ") + hex,
                  "PLAYER::PLAYER_PED_ID() -> 42",
                  std::string("AUDIO::_SET_VOFX_PED_VOICE(42, ") + hex + ")",
                  "AUDIO::_STOP_SOUND_WITH_NAME(\"SELECT\", \"HUD_SHOP_SOUNDSET\")",
                  "AUDIO::PLAY_SOUND_FRONTEND(\"SELECT\", \"HUD_SHOP_SOUNDSET\", 1, 0)",
              }));
    EXPECT_EQ(host.game.voices.at(host.game.playerCharacter), hash);
    EXPECT_TRUE(Controller().isOpen) << "the menu stays open after a voice";
    EXPECT_FALSE(Shown().options[3].frame.invoking);
}

} // namespace
