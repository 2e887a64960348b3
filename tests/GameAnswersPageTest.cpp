// A page that calls natives answering a float, a text and a vector, and one
// that answers through an out-parameter, reads what the stand-in game gave.
#include "tests/StrictReading.h"
#include "tests/TestNatives.h"
#include "tests/support/MenuFixture.h"

#include "host/NativeInvoker.h"
#include "sim/Game.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

using NativeInvoker::Invoke;
using NativeInvoker::Vector3;

// The page's action, as a page's code would call these.
void ReadTheGame() {
    const float cursorX =
        Invoke<float>(test_natives::DisabledControlNormal, 0, sim::HashName("INPUT_CURSOR_X"));
    const char* typed = Invoke<const char*>(test_natives::KeyboardResult);
    const Vector3 at =
        Invoke<Vector3>(test_natives::Position, Invoke<std::uint32_t>(native::GetPlayerCharacter));
    float ground = 0.0f;
    const bool found = Invoke<bool>(test_natives::GroundHeight, at.x, at.y, &ground);
    char description[128];
    std::snprintf(description, sizeof description, "cursor %g, typed %s, at %g %g %g, ground %g", cursorX,
                  typed != nullptr ? typed : "nothing", at.x, at.y, at.z, found ? ground : -1.0f);
    Menu::SelectedRow()->description = description;
}

std::uint64_t Bits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

class GameAnswersPageTest : public MenuTest {
  protected:
    void SetUp() override {
        test_natives::AddToStandIn();
        host.game.answerOverride = [](sim::NativeCall& call) -> std::optional<std::uint64_t> {
            static const char typed[] = "Arthur";
            if (call.Is(test_natives::DisabledControlNormal)) {
                return Bits(0.375f);
            }
            if (call.Is(test_natives::KeyboardResult)) {
                return reinterpret_cast<std::uintptr_t>(typed);
            }
            if (call.Is(test_natives::Position)) {
                call.SetVectorResult(static_cast<float>(call.U32(0)), -310.5f, 42.25f);
            }
            if (call.Is(test_natives::GroundHeight)) {
                call.WriteThrough(2, 40.5f);
                return 1;
            }
            return std::nullopt;
        };
    }

    std::string DrawnDescription() const {
        const readback::Drawing drawn = ReadDrawing(host.recorder.Last());
        for (const DrawnText& text : drawn.texts) {
            if (text.Attribute("SIZE") == "18") {
                return text.Inner();
            }
        }
        return "<not drawn>";
    }
};

TEST_F(GameAnswersPageTest, AnActionReadsAFloatATextAVectorAndAnOutParameter) {
    StartOpen();
    SetMainRows([](Menu::Submenu* page) { page->AddOption("Read the game", "Not read yet.", ReadTheGame); });
    const std::vector<std::string> calls = sim::Describe(Tap(Menu::SelectControl));
    runner.RunFrame();
    EXPECT_EQ(DrawnDescription(), "cursor 0.375, typed Arthur, at 42 -310.5 42.25, ground 40.5");

    for (const std::string& line : {
             std::string("PAD::GET_DISABLED_CONTROL_NORMAL(0, INPUT_CURSOR_X) -> 0.375"),
             std::string("MISC::GET_ONSCREEN_KEYBOARD_RESULT() -> \"Arthur\""),
             std::string("TEST::POSITION_OF(42) -> (42, -310.5, 42.25)"),
             std::string("TEST::GROUND_HEIGHT_AT(42, -310.5, &40.5) -> 1"),
         }) {
        EXPECT_NE(std::find(calls.begin(), calls.end(), line), calls.end()) << line;
    }
}

} // namespace
