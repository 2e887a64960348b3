// The settings file: kept rows read back at start-up and written when they
// change, the menu key, hotkeys, and the safe answers to a bad file or a
// folder that cannot be written.
#include "tests/support/FixturePages.h"
#include "tests/support/MenuFixture.h"

#include "host/PluginKeys.h"
#include "host/SettingsFile.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;
using Menu::Submenu;

constexpr std::uint32_t F5 = 0x74;
constexpr std::uint32_t F6 = 0x75;
constexpr std::uint32_t F9 = 0x78;
constexpr std::uint32_t G = 'G';

// The kept rows' targets, as a mod's globals.
struct Targets {
    bool stamina = false;
    std::int32_t hour = 12;
    float refill = 1.0f;
    std::string name = "Arthur";
    int counted = 0;
    std::string countedRow; // the label SelectedRow gave the counting action
};
Targets targets;

// Page 0: one kept row of each kind, the toggle on F5, an action on G.
void AddKeptRows(Submenu* page) {
    Menu::Option& stamina = page->AddToggle("Stamina", "", &targets.stamina);
    stamina.savedAs = "camp.stamina";
    stamina.hotkey = F5;
    page->AddNumber("Hour", "", &targets.hour, 0, 23, 1).savedAs = "camp.hour";
    page->AddNumber("Refill", "", &targets.refill, 0.0f, 2.0f, 0.1f, 1).savedAs = "camp.refill";
    page->AddList("Coat", "", {"Bay", "Black", "Grey"}).savedAs = "camp.coat";
    page->AddTextEntry("Name", "", &targets.name, 8).savedAs = "camp.name";
    page->AddOption("Count", "",
                    [] {
                        ++targets.counted;
                        targets.countedRow =
                            Menu::SelectedRow() != nullptr ? Menu::SelectedRow()->text : "none";
                    })
        .hotkey = G;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class SettingsTest : public MenuTest {
  protected:
    SettingsTest() {
        targets = Targets{};
        char pattern[] = "/tmp/qdt-settings-XXXXXX";
        folder = mkdtemp(pattern);
        host.gameFolder = folder.string();
        fixtureInitialize = [this] {
            Menu::settings.enabled = true;
            menuController->AddSubmenu(0, "Camp", "", extraRows ? extraRows : AddKeptRows);
        };
    }
    ~SettingsTest() override {
        fixtureInitialize = nullptr;
        fs::permissions(folder, fs::perms::owner_all);
        fs::remove_all(folder);
    }

    fs::path File() const { return folder / "QuorvaneDevTools.ini"; }
    std::optional<std::string> Setting(std::string_view name) const {
        return settings_file::File::Parse(ReadAll(File())).Get(name);
    }
    void PressKey(std::uint32_t key) {
        runner.KeyDown(key);
        runner.KeyUp(key);
        runner.RunFrame();
    }
    // The game ends and starts again in the same folder: the plug-in
    // unloaded, its state rebuilt, the mod's globals back at their defaults.
    void Restart() {
        runner.Unload();
        RebuildProcessState();
        targets = Targets{};
        Start();
    }
    Menu::Option& Row(std::int32_t row) { return submenuRegistry[0].options[static_cast<std::size_t>(row)]; }

    fs::path folder;
    std::function<void(Submenu*)> extraRows;
};

TEST_F(SettingsTest, ValuesReadBackAfterARestartAndUnknownLinesStay) {
    WriteAll(File(),
             "; my notes\r\n[camp]\r\nhour = 13\r\nrefill = 1.5\r\ncoat = Grey\r\nname = \"  Sadie\"\r\n"
             "stamina = TRUE\r\nfuture = 7\r\n\r\n[other mod]\r\nx = 1\r\n");
    Start();
    runner.Advance(1000); // past the first frame's write
    EXPECT_TRUE(targets.stamina);
    EXPECT_EQ(targets.hour, 13);
    EXPECT_EQ(targets.refill, 1.5f);
    EXPECT_EQ(Row(3).valueText, "Grey");
    EXPECT_EQ(targets.name, "  Sadie") << "quotes keep spaces at an end";
    EXPECT_EQ(Row(1).valueText, "13") << "the row shows what was read";

    PressKey(F5); // a change through the menu's hotkey, the menu closed
    EXPECT_FALSE(Controller().isOpen) << "a hotkey does not open the menu";
    const std::string written = ReadAll(File());
    EXPECT_EQ(Setting("camp.stamina"), "off");
    for (const char* kept : {"; my notes\r\n", "future = 7\r\n", "[other mod]\r\nx = 1\r\n"}) {
        EXPECT_NE(written.find(kept), std::string::npos) << kept;
    }
    EXPECT_EQ(Setting("menu.key"), "F8") << "written once so a player finds it";
    EXPECT_EQ(settings_file::File::Parse(written).Get("hotkeys", "camp.stamina"), "F5");
    EXPECT_FALSE(fs::exists(folder / "QuorvaneDevTools.ini.tmp"));

    // Changed through the open menu: a step, a list step, typed text.
    ReleaseF8();
    runner.RunFrame();
    ASSERT_TRUE(Controller().isOpen);
    Controller().selectedIndex = 1;
    Tap(Menu::RightControl);
    Controller().selectedIndex = 3;
    Tap(Menu::LeftControl);
    Controller().selectedIndex = 4;
    Tap(Menu::SelectControl);
    host.game.keyboard.Type("John");
    host.game.keyboard.Finish();
    runner.RunFrame();
    ReleaseF8(); // closing writes, however soon after the last write
    runner.RunFrame();
    EXPECT_EQ(Setting("camp.hour"), "14");
    EXPECT_EQ(Setting("camp.coat"), "Black");
    EXPECT_EQ(Setting("camp.name"), "John");

    Restart();
    EXPECT_FALSE(targets.stamina);
    EXPECT_EQ(targets.hour, 14);
    EXPECT_EQ(Row(3).valueText, "Black");
    EXPECT_EQ(targets.name, "John");
}

// A file that is no settings file is set aside whole and the defaults
// stand; one cut mid-line is read as far as its lines are sound.
TEST_F(SettingsTest, ABadFileIsSetAsideOrReadAsFarAsSound) {
    std::mt19937 random(37);
    std::string noise(4096, '\0');
    for (char& byte : noise) {
        byte = static_cast<char>(random());
    }
    std::string huge;
    while (huge.size() < 10u << 20) {
        huge += "[camp]\r\nhour = 13\r\n";
    }
    const struct {
        const char* what;
        std::string bytes;
        bool setAside;
        std::int32_t hour;
    } cases[] = {
        {"random bytes", noise, true, 12},
        {"10 MiB of text", huge, true, 12},
        {"one byte over 64 KiB", "[camp]\nhour = 13\n" + std::string(settings_file::MaxFileBytes, ';'), true,
         12},
        {"cut mid-line", "[camp]\r\nhour = 13\r\nstam", false, 13},
        {"cut mid-character", "[camp]\r\nhour = 13\r\nname = Jos\xc3", true, 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RebuildProcessState();
        targets = Targets{};
        fs::remove(folder / "QuorvaneDevTools.ini.bad");
        WriteAll(File(), c.bytes);
        Start();
        EXPECT_EQ(targets.hour, c.hour);
        EXPECT_FALSE(targets.stamina);
        EXPECT_EQ(fs::exists(folder / "QuorvaneDevTools.ini.bad"), c.setAside);
        if (c.setAside) {
            EXPECT_EQ(ReadAll(folder / "QuorvaneDevTools.ini.bad"), c.bytes) << "kept whole for the player";
        }
        EXPECT_EQ(Setting("menu.key"), "F8") << "a fresh file in its place";
        runner.Unload();
    }
}

// A value the row cannot take leaves its default, and its line as written.
TEST_F(SettingsTest, AValueTheRowCannotTakeLeavesTheDefault) {
    const struct {
        const char* line;
        bool readBack;
    } cases[] = {
        {"hour = 24", false},        {"hour = -1", false},
        {"hour = 13.0", false},      {"hour = 0x0d", false},
        {"hour = ", false},          {"hour = 007", true},
        {"refill = 2.1", false},     {"refill = 0.15", false},
        {"refill = 0.3", true},      {"coat = Pinto", false},
        {"coat = Black", true},      {"stamina = maybe", false},
        {"stamina = 1", true},       {"stamina = On", true},
        {"name = ninechars", false}, {"name = \xc3\xa9t\xc3\xa9", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        RebuildProcessState();
        targets = Targets{};
        WriteAll(File(), std::string("[camp]\r\n") + c.line + "\r\n");
        Start();
        const Targets defaults;
        const bool changed = targets.hour != defaults.hour || targets.refill != defaults.refill ||
                             Row(3).valueText != "Bay" || targets.stamina || targets.name != defaults.name;
        EXPECT_EQ(changed, c.readBack);
        EXPECT_NE(ReadAll(File()).find(std::string(c.line) + "\r\n"), std::string::npos)
            << "the line stays as written";
        runner.Unload();
    }
}

TEST_F(SettingsTest, TheMenuKeyComesFromTheFile) {
    const struct {
        const char* value;
        std::uint32_t opens;
        std::uint32_t doesNot;
    } cases[] = {
        {"F9", F9, plugin_keys::Toggle},  {"0x75", F6, plugin_keys::Toggle},
        {"m", 'M', plugin_keys::Toggle},  {"banana", plugin_keys::Toggle, F9},
        {"F13", plugin_keys::Toggle, F9}, {"", plugin_keys::Toggle, F9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        RebuildProcessState();
        WriteAll(File(), std::string("[menu]\r\nkey = ") + c.value + "\r\n");
        Start();
        PressKey(c.doesNot);
        EXPECT_FALSE(Controller().isOpen);
        PressKey(c.opens);
        EXPECT_TRUE(Controller().isOpen);
        PressKey(c.opens);
        EXPECT_FALSE(Controller().isOpen) << "and closes it";
        EXPECT_EQ(Setting("menu.key"), c.value) << "a name it cannot read stays as written";
        runner.Unload();
    }

    // A letter typed into the game's keyboard is typing, not the menu key.
    RebuildProcessState();
    WriteAll(File(), "[menu]\r\nkey = M\r\n");
    Start();
    PressKey('M');
    Controller().selectedIndex = 4;
    Tap(Menu::SelectControl);
    PressKey('M');
    host.game.keyboard.Type("m");
    host.game.keyboard.Finish();
    runner.RunFrame();
    runner.RunFrame();
    EXPECT_TRUE(Controller().isOpen);
    EXPECT_EQ(targets.name, "m");
}

// The first row registered keeps a key; none takes the menu key. A kept
// row's key is read from [hotkeys], where a player rebinds it.
TEST_F(SettingsTest, HotkeysTakenOrRebound) {
    int second = 0;
    int onMenuKey = 0;
    extraRows = [&](Submenu* page) {
        AddKeptRows(page);
        page->AddOption("Also G", "", [&] { ++second; }).hotkey = G;
        page->AddOption("On F8", "", [&] { ++onMenuKey; }).hotkey = plugin_keys::Toggle;
        page->AddOption("Disabled", "", [&] { ++second; }).isDisabled = true;
        page->options.back().hotkey = 'D';
    };
    WriteAll(File(), "[hotkeys]\r\ncamp.stamina = F6\r\n");
    Start();
    PressKey(G);
    EXPECT_EQ(targets.counted, 1);
    EXPECT_EQ(second, 0) << "the first row registered keeps G";
    EXPECT_EQ(targets.countedRow, "Count") << "the action reads its own row";
    PressKey(plugin_keys::Toggle);
    EXPECT_EQ(onMenuKey, 0);
    EXPECT_TRUE(Controller().isOpen) << "F8 still opens the menu";
    PressKey('D');
    EXPECT_EQ(second, 0) << "a disabled row does nothing";
    PressKey(F5);
    EXPECT_FALSE(targets.stamina) << "rebound in the file";
    PressKey(F6);
    EXPECT_TRUE(targets.stamina);
    EXPECT_TRUE(Controller().isOpen) << "the open menu stays open";

    // Not while the game's keyboard takes the player's typing, nor just
    // after it for a letter typed into it.
    Controller().selectedIndex = 4;
    Tap(Menu::SelectControl);
    PressKey(G);
    host.game.keyboard.Type("g");
    host.game.keyboard.Finish();
    runner.RunFrame();
    runner.RunFrame();
    EXPECT_EQ(targets.counted, 1);
    EXPECT_EQ(targets.name, "g");
}

// A player rebinds a kept row's key under [hotkeys]; a name that reads as
// no key leaves the row's own, an empty one binds none.
TEST_F(SettingsTest, AKeptRowsHotkeyIsReadFromTheFile) {
    const struct {
        const char* line;
        std::uint32_t flips;
        std::uint32_t doesNot;
    } cases[] = {
        {"camp.stamina = F6", F6, F5},
        {"camp.stamina = F13", F5, F6},
        {"CAMP.STAMINA = g", G, F5},
        {"camp.stamina =", 0, F5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        RebuildProcessState();
        targets = Targets{};
        WriteAll(File(), std::string("[hotkeys]\r\n") + c.line + "\r\n");
        Start();
        PressKey(c.doesNot);
        EXPECT_FALSE(targets.stamina);
        if (c.flips != 0) {
            PressKey(c.flips);
            EXPECT_TRUE(targets.stamina);
        }
        EXPECT_NE(ReadAll(File()).find(std::string(c.line) + "\r\n"), std::string::npos) << "kept as written";
        runner.Unload();
    }
}

// The file is named after the module, so a renamed copy keeps its own.
TEST_F(SettingsTest, TheFileIsNamedAfterTheModule) {
    host.moduleFileName = "Ranch.Hand.asi";
    WriteAll(folder / "Ranch.Hand.ini", "[camp]\r\nhour = 3\r\n");
    Start();
    EXPECT_EQ(targets.hour, 3);
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(SettingsTest, AtMostOneWriteASecondAndNoneAtProcessExit) {
    Start();
    runner.Advance(1000);
    PressKey(F5);
    EXPECT_EQ(Setting("camp.stamina"), "on");
    runner.Advance(500);
    PressKey(F5);
    EXPECT_EQ(Setting("camp.stamina"), "on") << "within the second: not yet";
    runner.Advance(500);
    runner.RunFrame();
    EXPECT_EQ(Setting("camp.stamina"), "off");

    PressKey(F5);
    int processEnding = 0;
    DllMain(nullptr, DLL_PROCESS_DETACH, &processEnding);
    EXPECT_EQ(Setting("camp.stamina"), "off") << "an ending process writes nothing";
    runner.Unload();
    EXPECT_EQ(Setting("camp.stamina"), "on") << "a script reload writes what is left";
}

// A folder that cannot be written (read-only; a temporary that cannot be
// made stands in for a locked file or a full disk) costs only the saving:
// the values live on in memory and the next write that succeeds keeps them.
TEST_F(SettingsTest, AFolderThatCannotBeWrittenKeepsValuesInMemory) {
    const fs::path temporary = folder / "QuorvaneDevTools.ini.tmp";
    const struct {
        const char* what;
        std::function<bool()> block; // false: this user writes anyway
        std::function<void()> unblock;
    } cases[] = {
        {"read-only folder",
         [&] {
             fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
             return access(folder.c_str(), W_OK) != 0; // root writes into it
         },
         [&] { fs::permissions(folder, fs::perms::owner_all); }},
        {"temporary cannot be made", [&] { return fs::create_directory(temporary); },
         [&] { fs::remove(temporary); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RebuildProcessState();
        targets = Targets{};
        fs::remove(File());
        Start();
        runner.Advance(1000);
        PressKey(F5);
        ASSERT_EQ(Setting("camp.stamina"), "on");
        if (!c.block()) {
            c.unblock();
            runner.Unload();
            continue;
        }
        runner.Advance(1000);
        PressKey(F5);
        EXPECT_FALSE(targets.stamina);
        ReleaseF8();
        runner.RunFrame();
        EXPECT_TRUE(Controller().isOpen) << "the menu works on";
        ReleaseF8(); // closing tries again
        runner.RunFrame();
        EXPECT_EQ(Setting("camp.stamina"), "on");
        EXPECT_EQ(fs::is_directory(temporary), std::string(c.what) == "temporary cannot be made")
            << "no temporary file left behind";

        c.unblock();
        runner.RunFrame();
        EXPECT_EQ(Setting("camp.stamina"), "on") << "tried again no sooner than a second after";
        runner.Advance(1000);
        runner.RunFrame();
        EXPECT_EQ(Setting("camp.stamina"), "off");
        EXPECT_FALSE(fs::exists(temporary));
        runner.Unload();
    }
}

TEST_F(SettingsTest, RowsThatCannotKeepTheirValueAreRefused) {
    Start();
    bool flag = false;
    std::int32_t number = 0;
    const std::function<void(Submenu*)> cases[] = {
        [&](Submenu* p) { p->AddToggle("No dot", "", &flag).savedAs = "stamina"; },
        [&](Submenu* p) { p->AddToggle("Empty key", "", &flag).savedAs = "camp."; },
        [&](Submenu* p) { p->AddToggle("Menu", "", &flag).savedAs = "Menu.key"; },
        [&](Submenu* p) { p->AddToggle("Hotkeys", "", &flag).savedAs = "hotkeys.x"; },
        [&](Submenu* p) { p->AddOption("Action", "", {}).savedAs = "camp.action"; },
        [&](Submenu* p) { p->AddSubmenuLink("Link", "", 3).savedAs = "camp.link"; },
        [&](Submenu* p) { p->AddFilter("Find", "").savedAs = "camp.find"; },
        [&](Submenu* p) { p->AddNumber("Number", "", &number, 0, 9, 1).hotkey = F5; },
        [&](Submenu* p) { p->AddOption("Wide key", "", {}).hotkey = 0x1ff; },
    };
    for (const auto& init : cases) {
        EXPECT_THROW(Controller().AddSubmenu(7, "Refused", "", init), std::invalid_argument);
        EXPECT_EQ(submenuRegistry.count(7), 0u);
    }
}

// The format's own cases: names, reading values, and writing them back.
TEST(SettingsFileTest, ReadsAndWritesLines) {
    const struct {
        const char* text;
        const char* section;
        const char* key;
        const char* value; // nullptr: not found
    } reads[] = {
        {"[Camp]\nHour=13", "camp", "hour", "13"},
        {"[camp]\n ; hour = 1\nhour = 2\nhour = 3", "camp", "hour", "2"},
        {"hour = 1\n[camp]", "camp", "hour", nullptr},
        {"[camp]\nname = \"  a \"\r\n", "camp", "name", "  a "},
        {"\xef\xbb\xbf[camp]\nx = y = z", "camp", "x", "y = z"},
        {"[hotkeys]\ncamp.stamina = F5", "hotkeys", "camp.stamina", "F5"},
    };
    for (const auto& r : reads) {
        SCOPED_TRACE(r.text);
        const std::optional<std::string> value = settings_file::File::Parse(r.text).Get(r.section, r.key);
        EXPECT_EQ(value, r.value ? std::optional<std::string>(r.value) : std::nullopt);
    }
    settings_file::File file = settings_file::File::Parse("; note\n[camp]\nhour = 1\n\n[other]\nx = 1\n");
    file.Set("camp", "hour", "2");
    file.Set("camp", "name", " two lines\n");
    file.Set("new", "a", "b");
    EXPECT_EQ(file.Text(), "; note\r\n[camp]\r\nhour = 2\r\nname = \" two lines \"\r\n\r\n[other]\r\n"
                           "x = 1\r\n\r\n[new]\r\na = b\r\n");
    EXPECT_EQ(settings_file::File::Parse(file.Text()).Get("camp.name"), " two lines ");
}

} // namespace
