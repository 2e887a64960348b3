// The natives file read, host/NativeList.h read and written as clang-format
// lays it out, the list checked against the file, and lines made from it.
#include "sim/NativeTable.h"
#include "tools/natives/Add.h"
#include "tools/natives/Check.h"
#include "tools/natives/Kinds.h"
#include "tools/natives/NativeList.h"
#include "tools/natives/NativesFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace {

using namespace natives;

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

const NativesFile& SmallFile() {
    static const NativesFile file = ReadNativesFile(ReadText(QDT_NATIVES_SMALL));
    return file;
}

std::vector<std::string> Refusals(const Addition& addition) {
    const auto* refusals = std::get_if<std::vector<std::string>>(&addition);
    return refusals != nullptr ? *refusals : std::vector<std::string>{"<a line was made>"};
}

std::string Line(const Addition& addition) {
    const auto* entry = std::get_if<ListEntry>(&addition);
    return entry != nullptr ? FormatEntry(*entry) : "<refused: " + Refusals(addition).front() + ">";
}

TEST(NativesFileTest, ReadsEachNativeAndNamesTheEntriesItSkips) {
    const NativesFile& file = SmallFile();
    const PublicNative* setClock = file.FindHash(0x3a52c59ffb2deed8);
    ASSERT_NE(setClock, nullptr);
    EXPECT_EQ(setClock->name, "CLOCK::SET_CLOCK_TIME");
    ASSERT_EQ(setClock->parameters.size(), 3u);
    EXPECT_EQ(setClock->parameters[1].name, "minute");
    EXPECT_EQ(setClock->resultType, "void");

    const PublicNative* varString = file.FindHash(0xfa925ac00eb830b9);
    ASSERT_NE(varString, nullptr);
    EXPECT_TRUE(varString->variadic);
    EXPECT_EQ(varString->parameters.size(), 1u) << "the ... is no parameter";
    EXPECT_EQ(file.FindHash(0xfd340785adf8cfb7)->parameters.at(0).type, "const char*")
        << "written const char *";

    EXPECT_EQ(file.FindName("PLAYER::PLAYER_PED_ID").size(), 2u);
    EXPECT_EQ(file.skipped, std::vector<std::string>{"CLOCK::GET_CLOCK_MINUTES (\"\"): no hash"});
    EXPECT_THROW(ReadNativesFile("[1, 2]"), std::runtime_error);
    EXPECT_THROW(ReadNativesFile("{\"PAD\": "), std::runtime_error);
}

TEST(NativeListTest, TodaysListReadsBackAndEachLineIsWrittenAsItStands) {
    const std::string text = ReadText(QDT_NATIVE_LIST);
    const std::vector<ListEntry> list = ReadNativeList(text);
    ASSERT_EQ(list.size(), sim::Natives().size());
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        const sim::NativeInfo& compiled = sim::Natives()[i];
        EXPECT_EQ(list[i].hash, compiled.hash);
        EXPECT_EQ(list[i].name, compiled.name);
        EXPECT_EQ(list[i].arguments, compiled.arguments);
        EXPECT_EQ(list[i].result, compiled.result);
        // Wrapped lines included: as clang-format writes them.
        const std::string formatted = FormatEntry(list[i]);
        std::string written;
        for (std::size_t at = list[i].line - 1; written.size() < formatted.size() && at < lines.size();
             ++at) {
            written += (written.empty() ? "" : "\n") + lines[at];
        }
        EXPECT_EQ(formatted, written);
    }
    EXPECT_THROW(ReadNativeList("QDT_NATIVE(A, 0x12, \"X::Y\", \"\", '-')\n"), std::runtime_error);
    EXPECT_THROW(ReadNativeList("\nQDT_NATIVE(A, 0x0000000000000012, X::Y, \"\", '-')\n"),
                 std::runtime_error);
}

TEST(CheckTest, TodaysListAgreesWithTheReference) {
    const NativesFile full = ReadNativesFile(ReadText(QDT_NATIVES_FULL));
    const std::vector<Disagreement> disagreements =
        CheckList(ReadNativeList(ReadText(QDT_NATIVE_LIST)), full);
    for (const Disagreement& disagreement : disagreements) {
        ADD_FAILURE() << "line " << disagreement.line << ": " << disagreement.what;
    }
}

TEST(CheckTest, NamesEachDisagreementWithItsLine) {
    const std::vector<ListEntry> list = ReadNativeList(
        "QDT_NATIVE(ControlJustReleased, 0x50f940259d3841e6, \"PAD::IS_CONTROL_JUST_RELEASED\", \"ic\", "
        "'b')\n"
        "QDT_NATIVE(ControlJustPressed, 0x580417101ddb492f, \"PAD::IS_CONTROL_JUST_PRESSED\", \"ic\", 'b')\n"
        "QDT_NATIVE(GetClockMinutes, 0x4e162231b823dbbf, \"CLOCK::GET_CLOCK_MINUTES\", \"\", 'i')\n"
        "QDT_NATIVE(GetClockHours, 0xc82cf208c2b19199, \"CLOCK::GET_CLOCK_HOUR\", \"\", 'i')\n"
        "QDT_NATIVE(SetClockTime, 0x3a52c59ffb2deed8, \"CLOCK::SET_CLOCK_TIME\", \"ii\", '-')\n"
        "QDT_NATIVE(HashOfName, 0xfd340785adf8cfb7, \"MISC::GET_HASH_KEY\", \"t\", 'i')\n"
        "QDT_NATIVE(MakeLiteralGameString, 0xfa925ac00eb830b9, \"MISC::VAR_STRING\", \"itt\", 'g')\n"
        "QDT_NATIVE(PlayFrontendSound, 0x67c540aa08e4a6f5, \"AUDIO::PLAY_SOUND_FRONTEND\", \"ttih\", '-')\n"
        "QDT_NATIVE(SetPromptControl, 0xb5352b7494a08258, \"HUD::_UI_PROMPT_SET_CONTROL_ACTION\", \"hc\", "
        "'-')\n"
        "QDT_NATIVE(PromptValid, 0x347469fbdd1589a9, \"HUD::_UI_PROMPT_IS_VALID\", \"i\", 'b')\n"
        "QDT_NATIVE(ReleasedAgain, 0x50f940259d3841e6, \"PAD::IS_CONTROL_JUST_RELEASED\", \"ic\", 'b')\n");
    const std::vector<Disagreement> found = CheckList(list, SmallFile());
    std::vector<std::string> lines;
    for (const Disagreement& disagreement : found) {
        lines.push_back(std::to_string(disagreement.line) + ": " + disagreement.what);
    }
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "2: ControlJustPressed: argument 2 (float action) has kind 'c', which does not fit it "
                  "(fits: f)",
                  "3: GetClockMinutes: 0x4e162231b823dbbf is not in the natives file",
                  "4: GetClockHours: the natives file names 0xc82cf208c2b19199 CLOCK::GET_CLOCK_HOURS, the "
                  "line CLOCK::GET_CLOCK_HOUR",
                  "5: SetClockTime: CLOCK::SET_CLOCK_TIME takes 3 argument(s), the line gives 2 kind(s)",
                  "6: HashOfName: the result (Hash) has kind 'i', which does not fit it (fits: uc)",
                  "10: PromptValid: argument 1 (Prompt prompt) has kind 'i', which does not fit it (fits: h)",
                  "11: ReleasedAgain: a second line for 0x50f940259d3841e6 or PAD::IS_CONTROL_JUST_RELEASED",
              }))
        << "a variable argument list takes more kinds, Any fits any, a BOOL may be an i";
}

TEST(AddTest, MakesTheLineFromTheTypes) {
    const std::vector<ListEntry> none;
    EXPECT_EQ(Line(AddNative("CLOCK::SET_CLOCK_TIME", "", none, SmallFile())),
              "QDT_NATIVE(SetClockTime, 0x3a52c59ffb2deed8, \"CLOCK::SET_CLOCK_TIME\", \"iii\", '-')");
    EXPECT_EQ(
        Line(AddNative("PAD::GET_DISABLED_CONTROL_NORMAL", "", none, SmallFile())),
        "QDT_NATIVE(GetDisabledControlNormal, 0x11e65974a982637c, \"PAD::GET_DISABLED_CONTROL_NORMAL\", "
        "\"ic\", 'f')")
        << "a Hash named action is a control";
    EXPECT_EQ(
        Line(AddNative("MISC::GET_ONSCREEN_KEYBOARD_RESULT", "KeyboardText", none, SmallFile())),
        "QDT_NATIVE(KeyboardText, 0xafb4cf58a4a292b1, \"MISC::GET_ONSCREEN_KEYBOARD_RESULT\", \"\", 't')");
    EXPECT_EQ(Line(AddNative("HUD::_UI_PROMPT_IS_VALID", "", none, SmallFile())),
              "QDT_NATIVE(UiPromptIsValid, 0x347469fbdd1589a9, \"HUD::_UI_PROMPT_IS_VALID\", \"h\", 'b')");
    EXPECT_EQ(FormatEntry({0, "ControlJustPressedDisabledAware", 0x91aef906bca88877,
                           "PAD::IS_DISABLED_CONTROL_JUST_PRESSED", "ic", 'b'}),
              "QDT_NATIVE(ControlJustPressedDisabledAware, 0x91aef906bca88877, "
              "\"PAD::IS_DISABLED_CONTROL_JUST_PRESSED\", "
              "\"ic\",\n           'b')")
        << "past 110 columns the rest goes under the first field";
}

TEST(AddTest, RefusesToGuessAndToAddTwice) {
    const std::vector<ListEntry> list =
        ReadNativeList("QDT_NATIVE(ControlJustReleased, 0x50f940259d3841e6, "
                       "\"PAD::IS_CONTROL_JUST_RELEASED\", \"ic\", 'b')\n"
                       "QDT_NATIVE(SetClockTime, 0x0000000000000001, \"TEST::OTHER\", \"\", '-')\n");
    const NativesFile& file = SmallFile();
    EXPECT_EQ(
        Refusals(AddNative("AUDIO::PLAY_SOUND_FRONTEND", "", list, file)),
        std::vector<std::string>{"argument 4 (p3) is Any: the reference does not say what it holds; write "
                                 "the line by hand, choosing its kind from what the native does "
                                 "(sim/NativeTable.h lists them)"});
    EXPECT_EQ(Refusals(AddNative("HUD::_UI_PROMPT_SET_CONTROL_ACTION", "", list, file))
                  .at(0)
                  .rfind("the result is Any", 0),
              0u);
    EXPECT_EQ(
        Refusals(AddNative("MISC::VAR_STRING", "", list, file)),
        std::vector<std::string>{"it takes a variable argument list (...): write its line by hand with a "
                                 "kind for each argument the plug-in passes"});
    EXPECT_EQ(
        Refusals(AddNative("PLAYER::PLAYER_PED_ID", "", list, file)),
        std::vector<std::string>{"the natives file gives PLAYER::PLAYER_PED_ID twice (0x096275889b8e0ee0 "
                                 "and 0x096275889b8e0ee1): a broken file; write the line by hand with the "
                                 "hash the game uses"});
    EXPECT_EQ(Refusals(AddNative("CLOCK::GET_CLOCK_MINUTES", "", list, file)),
              std::vector<std::string>{"CLOCK::GET_CLOCK_MINUTES is not in the natives file"});
    EXPECT_EQ(Refusals(AddNative("SET_CLOCK_TIME", "", list, file)),
              std::vector<std::string>{"name the native NAMESPACE::NAME, as in CLOCK::SET_CLOCK_TIME"});
    EXPECT_EQ(Refusals(AddNative("PAD::IS_CONTROL_JUST_RELEASED", "Released", list, file)),
              std::vector<std::string>{"the list holds it already (line 1, ControlJustReleased)"});
    EXPECT_EQ(Refusals(AddNative("CLOCK::SET_CLOCK_TIME", "", list, file)),
              std::vector<std::string>{
                  "the list has a constant SetClockTime already (line 2); give another with --constant"});
}

TEST(KindsTest, OutParametersVectorsAndTypesWithNoKind) {
    EXPECT_EQ(ArgumentKinds("float*", "groundZ").kind, 'F');
    EXPECT_EQ(ArgumentKinds("BOOL*", "found").kind, 'B');
    EXPECT_EQ(ArgumentKinds("Entity*", "entity").kind, 'H');
    EXPECT_EQ(ArgumentKinds("Hash*", "model").kind, 'U');
    EXPECT_EQ(ResultKinds("Vector3").kind, 'v');
    EXPECT_EQ(ArgumentKinds("Hash", "model").kind, 'u');
    for (const char* type : {"Vector3*", "Any*", "char*", "Vector3", "Fish"}) {
        const TypeKinds kinds = ArgumentKinds(type, "x");
        EXPECT_EQ(kinds.kind, '\0') << type;
        EXPECT_EQ(kinds.refusal.rfind(type, 0), 0u) << "names the type: " << kinds.refusal;
    }
    EXPECT_NE(ArgumentKinds("Vector3*", "coords").refusal.find("a pointer to a vector"), std::string::npos);
    EXPECT_TRUE(Fits(ArgumentKinds("Any", "p3"), 'h')) << "Any cannot disagree";
    EXPECT_FALSE(Fits(ArgumentKinds("int", "x"), 'f'));
    EXPECT_FALSE(Fits(ResultKinds("void"), 'i'));
}

} // namespace
