// How the stand-in prints a call: one line each, whatever its texts hold.
#include "host/Natives.h"
#include "sim/StandInHook.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// The record line of one call of MISC::GET_HASH_KEY with this text, up to its result.
std::string Printed(const std::string& text) {
    sim::StandInHook host;
    host.BeginNative(native::HashOfName);
    host.PushArgument(reinterpret_cast<std::uintptr_t>(text.c_str()));
    host.CallNative();
    const std::string line = host.recorder.DescribeLast().at(0);
    return line.substr(0, line.find(" -> "));
}

TEST(RecordTest, ControlCharactersInATextAreEscapedSoEachCallStaysOneLine) {
    EXPECT_EQ(Printed("Row\n== frame 3 (1 native calls)"),
              R"x(MISC::GET_HASH_KEY("Row\n== frame 3 (1 native calls)"))x");
    EXPECT_EQ(Printed("a\rb\tc"), R"x(MISC::GET_HASH_KEY("a\rb\tc"))x");
    EXPECT_EQ(Printed("\x01\x1f\x7f~"), R"x(MISC::GET_HASH_KEY("\x01\x1f\x7f~"))x");
}

TEST(RecordTest, OrdinaryTextsPrintAsTheyAre) {
    EXPECT_EQ(Printed("say \"hi\" \\ <FONT SIZE='22'>~s~"),
              R"x(MISC::GET_HASH_KEY("say \"hi\" \\ <FONT SIZE='22'>~s~"))x");
    EXPECT_EQ(Printed("Größe ☃ x"), "MISC::GET_HASH_KEY(\"Größe ☃ x\")") << "UTF-8 stays as it is";
    EXPECT_EQ(Printed(""), "MISC::GET_HASH_KEY(\"\")");
}

} // namespace
