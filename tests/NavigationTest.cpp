// Acting on the frame's requests: select by kind, back, moves with wrapping,
// Shift and separators, list steps, and selections that outlive their rows.
#include "tests/support/MenuFixture.h"

#include "host/PluginKeys.h"
#include "sim/Game.h"

#include <algorithm>

namespace {

using Menu::Submenu;
using NavigationTest = MenuTest;

std::function<void(Submenu*)> Rows(int count) {
    return [count](Submenu* submenu) {
        for (int i = 0; i < count; ++i) {
            submenu->AddOption("row " + std::to_string(i), "", {});
        }
    };
}

// Rows described by one letter each: S separator, anything else an action row.
std::function<void(Submenu*)> Layout(std::string rows) {
    return [rows](Submenu* submenu) {
        for (const char row : rows) {
            if (row == 'S') {
                submenu->AddSeparator("heading");
            } else {
                submenu->AddOption(std::string(1, row), "", {});
            }
        }
    };
}

TEST_F(NavigationTest, UpAndDownWrapAtTheEnds) {
    StartOpen();
    Tap(Menu::UpControl);
    EXPECT_EQ(Controller().selectedIndex, 5);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_UP/Ledger_Sounds"});
    Tap(Menu::DownControl);
    EXPECT_EQ(Controller().selectedIndex, 0);
    Tap({Menu::UpControl, Menu::DownControl});
    EXPECT_EQ(Controller().selectedIndex, 0) << "up then down in one frame";
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"NAV_UP/Ledger_Sounds", "NAV_DOWN/Ledger_Sounds"}));

    host.game.PressControl(Menu::DownControl);
    runner.RunFrames(3);
    EXPECT_EQ(Controller().selectedIndex, 1) << "holding a control moves once";
}

TEST_F(NavigationTest, ShiftMovesTenRowsAndStopsAtTheEnds) {
    StartOpen();
    SetMainRows(Rows(15));
    runner.KeyDown(plugin_keys::FastStep);
    const auto expectMoves = [this](std::uint32_t control, std::vector<int> rows) {
        for (const int row : rows) {
            Tap(control);
            EXPECT_EQ(Controller().selectedIndex, row);
        }
    };
    expectMoves(Menu::DownControl, {10, 14, 14});
    expectMoves(Menu::UpControl, {4, 0, 0});

    runner.KeyUp(plugin_keys::FastStep);
    expectMoves(Menu::DownControl, {1});

    // The window's bound: a press 29,999 ms old is held, one 30,000 ms old no longer.
    runner.KeyDown(plugin_keys::FastStep);
    runner.Advance(29999);
    expectMoves(Menu::DownControl, {11});
    runner.KeyDown(plugin_keys::FastStep, true);
    runner.Advance(30000);
    expectMoves(Menu::DownControl, {12});
}

TEST_F(NavigationTest, SeparatorsAreSteppedOverOnceAndAWrapCanLandOnOne) {
    StartOpen();
    SetMainRows(Layout("SABSCD"));
    Controller().selectedIndex = 2;
    Tap(Menu::DownControl);
    EXPECT_EQ(Controller().selectedIndex, 4);
    Tap(Menu::UpControl);
    EXPECT_EQ(Controller().selectedIndex, 2);
    Tap(Menu::UpControl);
    Tap(Menu::UpControl);
    EXPECT_EQ(Controller().selectedIndex, 5) << "past the separator at the top, then wrapped";
    Tap(Menu::DownControl);
    EXPECT_EQ(Controller().selectedIndex, 0) << "the wrap lands on the separator";
    EXPECT_TRUE(Shown().options[0].isSeparator);

    SetMainRows(Layout("ASSBS"));
    Controller().selectedIndex = 0;
    Tap(Menu::DownControl);
    EXPECT_EQ(Controller().selectedIndex, 2) << "a second separator in a row is not skipped";
    Controller().selectedIndex = 0;
    Tap(Menu::UpControl);
    EXPECT_EQ(Controller().selectedIndex, 4) << "up from the first row wraps onto a separator";
}

TEST_F(NavigationTest, ShiftNextToSeparatorsAtTheEndsWraps) {
    StartOpen();
    SetMainRows(Layout("SABCS"));
    runner.KeyDown(plugin_keys::FastStep);
    Controller().selectedIndex = 2;
    Tap(Menu::UpControl);
    EXPECT_EQ(Controller().selectedIndex, 4)
        << "clamped onto the separator at row 0, stepped past it, wrapped";
    Controller().selectedIndex = 2;
    Tap(Menu::DownControl);
    EXPECT_EQ(Controller().selectedIndex, 0) << "clamped onto the last row, a separator: wrapped to row 0";
}

TEST_F(NavigationTest, ListStepsWrapAndTellTheActionWhichWayTheyWent) {
    StartOpen();
    std::vector<ActionSight> seen;
    SetMainRows([&seen](Submenu* submenu) { submenu->AddList("List", "", {"A", "B", "C"}, Watch(seen, 0)); });
    const Menu::Option& list = Shown().options[0];
    ASSERT_EQ(list.valueText, "A");

    Tap(Menu::RightControl);
    EXPECT_EQ(list.valueText, "B");
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_RIGHT/PAUSE_MENU_SOUNDSET"});
    Tap(Menu::LeftControl);
    Tap(Menu::LeftControl);
    EXPECT_EQ(list.valueText, "C") << "left from the first value wraps to the last";
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_LEFT/PAUSE_MENU_SOUNDSET"});
    Tap(Menu::SelectControl);
    EXPECT_EQ(list.valueText, "A") << "select steps right and wraps";
    EXPECT_EQ(Sounds(), std::vector<std::string>{"SELECT/HUD_SHOP_SOUNDSET"});

    ASSERT_EQ(seen.size(), 4u);
    const auto expectSight = [&seen](std::size_t call, bool left, bool right, int index, const char* value) {
        EXPECT_TRUE(seen[call].invoking) << call;
        EXPECT_EQ(seen[call].steppedLeft, left) << call;
        EXPECT_EQ(seen[call].steppedRight, right) << call;
        EXPECT_EQ(seen[call].listIndex, index) << call;
        EXPECT_EQ(seen[call].valueText, value) << call << ": the value is shown before the action runs";
    };
    expectSight(0, false, true, 1, "B");
    expectSight(1, true, false, 0, "A");
    expectSight(2, true, false, 2, "C");
    expectSight(3, false, true, 0, "A");
    EXPECT_FALSE(list.frame.invoking || list.frame.steppedLeft || list.frame.steppedRight)
        << "markers end with the step";

    Tap({Menu::LeftControl, Menu::RightControl});
    EXPECT_EQ(list.valueText, "A");
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_TRUE(seen[4].steppedLeft && seen[5].steppedRight) << "left acts before right";
}

TEST_F(NavigationTest, AMoveAndASideStepInOneFrameBothHappen) {
    StartOpen();
    SetMainRows([](Submenu* submenu) {
        submenu->AddList("First", "", {"A", "B", "C"});
        submenu->AddList("Second", "", {"A", "B", "C"});
    });
    Tap({Menu::DownControl, Menu::RightControl});
    EXPECT_EQ(Controller().selectedIndex, 1);
    EXPECT_EQ(Shown().options[1].valueText, "B") << "the step acts on the row moved to";
    EXPECT_EQ(Shown().options[0].valueText, "A");
    Tap({Menu::UpControl, Menu::LeftControl});
    EXPECT_EQ(Controller().selectedIndex, 0);
    EXPECT_EQ(Shown().options[0].valueText, "C");
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"NAV_UP/Ledger_Sounds", "NAV_LEFT/PAUSE_MENU_SOUNDSET"}));
}

TEST_F(NavigationTest, AnActionReachesItsOwnRowThroughSelectedRow) {
    EXPECT_EQ(Menu::SelectedRow(), nullptr) << "no controller yet";
    StartOpen();
    bool flag = false;
    std::vector<std::string> seen;
    const auto look = [&seen] {
        const Menu::Option* row = Menu::SelectedRow();
        ASSERT_NE(row, nullptr);
        const bool on = row->toggleTarget != nullptr && *row->toggleTarget;
        seen.push_back(row->text + " " + std::to_string(row->listIndex) + row->valueText + (on ? " on" : ""));
    };
    SetMainRows([&flag, &look](Submenu* submenu) {
        submenu->AddToggle("Toggle", "", &flag, look);
        submenu->AddSeparator("Heading");
        submenu->AddList("List", "", {"A", "B", "C"}, look);
    });
    Tap(Menu::SelectControl);
    Tap(Menu::DownControl);
    Tap(Menu::RightControl);
    Tap(Menu::SelectControl);
    EXPECT_EQ(seen, (std::vector<std::string>{"Toggle 0 on", "List 1B", "List 2C"}));

    host.recorder.BeginFrame();
    EXPECT_EQ(Menu::SelectedRow(), &Shown().options[2]);
    EXPECT_TRUE(host.recorder.Last().empty()) << "reading the row calls no native";
    Shown().optionCount = 2;
    EXPECT_EQ(Menu::SelectedRow(), nullptr) << "a row beyond the counted rows is not handed out";
    SetMainRows([](Submenu*) {});
    EXPECT_EQ(Menu::SelectedRow(), nullptr) << "a page without rows";
}

TEST_F(NavigationTest, ListWithoutAnActionStillSteps) {
    StartOpen();
    SetMainRows([](Submenu* submenu) { submenu->AddList("List", "", {"A", "B"}); });
    Tap(Menu::RightControl);
    EXPECT_EQ(Shown().options[0].valueText, "B");
    EXPECT_EQ(Shown().options[0].listIndex, 1);
    EXPECT_FALSE(Shown().options[0].frame.steppedRight);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_RIGHT/PAUSE_MENU_SOUNDSET"});
}

TEST_F(NavigationTest, LeftAndRightDoNothingOnOtherKinds) {
    StartOpen();
    bool flag = false;
    int runs = 0;
    Controller().AddSubmenu(5, "Child", "", Rows(1));
    SetMainRows([&runs, &flag](Submenu* submenu) {
        const auto count = [&runs] { ++runs; };
        submenu->AddOption("Action", "", count);
        submenu->AddToggle("Toggle", "", &flag, count);
        submenu->AddSubmenuLink("Link", "", 5);
        submenu->AddSeparator("Heading");
    });
    for (std::int32_t row = 0; row < 4; ++row) {
        Controller().selectedIndex = row;
        Tap(Menu::LeftControl);
        Tap(Menu::RightControl);
        EXPECT_TRUE(Sounds().empty()) << "row " << row;
        EXPECT_EQ(Controller().currentSubmenu, &submenuRegistry.at(0));
        EXPECT_EQ(Controller().selectedIndex, row);
    }
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(flag);
}

TEST_F(NavigationTest, SelectActsByTheFirstKindFlagThenAlwaysSounds) {
    StartOpen();
    bool flag = false;
    std::vector<bool> flagSeen;
    std::vector<ActionSight> seen;
    SetMainRows([&](Submenu* submenu) {
        submenu->AddOption("Action", "", Watch(seen, 0));
        submenu->AddToggle("Toggle", "", &flag, [&flagSeen, &flag] { flagSeen.push_back(flag); });
        submenu->AddToggle("Loose toggle", "", nullptr, Watch(seen, 2));
        submenu->AddOption("Empty", "", {});
        submenu->AddSubmenuLink("Nowhere", "", 99);
        submenu->AddSeparator("Heading");
    });
    // A row flagged twice acts as the first kind in the order action, toggle, list, link.
    Shown().options[0].isToggle = true;
    Shown().options[0].toggleTarget = &flag;

    const auto selectRow = [this](std::int32_t row) {
        Controller().selectedIndex = row;
        Tap(Menu::SelectControl);
        EXPECT_EQ(Sounds(), std::vector<std::string>{"SELECT/HUD_SHOP_SOUNDSET"}) << "row " << row;
    };
    selectRow(0);
    EXPECT_FALSE(flag) << "acted as a plain action";
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].invoking);
    EXPECT_FALSE(Shown().options[0].frame.invoking);

    selectRow(1);
    selectRow(1);
    EXPECT_EQ(flagSeen, (std::vector<bool>{true, false})) << "the flag flips before the action runs";
    selectRow(2);
    EXPECT_EQ(seen.size(), 2u) << "a toggle without a flag still runs its action";
    selectRow(3);
    selectRow(4);
    EXPECT_EQ(Controller().currentSubmenu, &submenuRegistry.at(0)) << "a link to no submenu stays";
    EXPECT_EQ(Controller().selectedIndex, 4);
    EXPECT_EQ(submenuRegistry.count(99), 0u) << "the lookup creates no entry";
    EXPECT_TRUE(Controller().submenuStack.empty());
    selectRow(5);
}

// The child is page 1, the lowest id that Back leaves instead of closing.
class NavigationLinkTest : public NavigationTest {
  protected:
    void SetUp() override {
        StartOpen();
        Controller().AddSubmenu(1, "Child", "", Rows(3));
        SetMainRows([](Submenu* submenu) {
            Rows(3)(submenu);
            submenu->AddSubmenuLink("Child", "", 1);
        });
        Controller().selectedIndex = 3;
    }
};

TEST_F(NavigationLinkTest, BackInAChildReturnsToTheParentRowAndAtTheTopCloses) {
    Tap(Menu::SelectControl);
    EXPECT_EQ(Controller().currentSubmenu, &submenuRegistry.at(1));
    EXPECT_EQ(Controller().selectedIndex, 0);
    EXPECT_EQ(Controller().submenuStack, std::vector<std::int32_t>{0});
    EXPECT_EQ(Sounds(), std::vector<std::string>{"SELECT/HUD_SHOP_SOUNDSET"});

    Tap(Menu::DownControl);
    Tap(Menu::BackControl);
    EXPECT_TRUE(Controller().isOpen);
    EXPECT_EQ(Controller().currentSubmenu, &submenuRegistry.at(0));
    EXPECT_EQ(Controller().selectedIndex, 3);
    EXPECT_TRUE(Controller().submenuStack.empty());
    EXPECT_TRUE(Controller().savedSelection.empty());
    EXPECT_EQ(Sounds(), std::vector<std::string>{"BACK/HUD_SHOP_SOUNDSET"});
    EXPECT_EQ(Count("MAP::DISPLAY_RADAR"), 1) << "only the drawn frame's";

    Tap({Menu::BackControl, Menu::DownControl});
    EXPECT_FALSE(Controller().isOpen);
    EXPECT_EQ(Controller().selectedIndex, 3) << "closing by Back ends the frame's navigation";
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"BACK/HUD_SHOP_SOUNDSET", "MENU_CLOSE/HUD_PLAYER_MENU"}));
}

TEST_F(NavigationLinkTest, SelectOnALinkAndBackInOneFrameEndWhereTheyStarted) {
    Tap({Menu::SelectControl, Menu::BackControl});
    EXPECT_TRUE(Controller().isOpen);
    EXPECT_EQ(Controller().currentSubmenu, &submenuRegistry.at(0));
    EXPECT_EQ(Controller().selectedIndex, 3);
    EXPECT_TRUE(Controller().submenuStack.empty());
    EXPECT_TRUE(Controller().savedSelection.empty());
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"SELECT/HUD_SHOP_SOUNDSET", "BACK/HUD_SHOP_SOUNDSET"}));
}

TEST_F(NavigationTest, TheToggleFrameIgnoresSelectAndBackButNotMoves) {
    Start();
    int runs = 0;
    Shown().options[0].action = [&runs] { ++runs; };

    ReleaseF8();
    Tap(Menu::SelectControl);
    EXPECT_TRUE(Controller().isOpen);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"MENU_ENTER/HUD_PLAYER_MENU"});

    ReleaseF8();
    runner.RunFrame();
    ReleaseF8();
    Tap(Menu::BackControl);
    EXPECT_TRUE(Controller().isOpen) << "the toggle opened it; Back waits for another frame";
    EXPECT_EQ(Sounds(), std::vector<std::string>{"MENU_ENTER/HUD_PLAYER_MENU"});

    ReleaseF8();
    runner.RunFrame();
    ReleaseF8();
    Tap({Menu::DownControl, Menu::RightControl});
    EXPECT_EQ(Controller().selectedIndex, 1) << "moves act in the frame that opens the menu";
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"MENU_ENTER/HUD_PLAYER_MENU", "NAV_DOWN/Ledger_Sounds"}));

    ReleaseF8();
    Tap({Menu::DownControl, Menu::SelectControl});
    EXPECT_FALSE(Controller().isOpen);
    EXPECT_EQ(Controller().selectedIndex, 1) << "nothing moves once the toggle closed it";
    EXPECT_EQ(Sounds(), std::vector<std::string>{"MENU_CLOSE/HUD_PLAYER_MENU"});

    Tap({Menu::DownControl, Menu::SelectControl, Menu::BackControl});
    EXPECT_EQ(Controller().selectedIndex, 1) << "a closed menu ignores every request but the toggle";
    EXPECT_TRUE(Sounds().empty());
    EXPECT_EQ(runs, 0);
}

// Faults mended: a selection that names no row, rows replaced under a running
// action, a list emptied after it was added.

TEST_F(NavigationTest, ARowCountBeyondTheRowsPresentIsNeverReadPast) {
    StartOpen();
    std::vector<ActionSight> seen;
    Shown().options[5].action = Watch(seen, 5);
    Shown().optionCount = 9;
    Controller().selectedIndex = 8;
    runner.RunFrame();
    EXPECT_EQ(Controller().selectedIndex, 5);

    Tap(Menu::DownControl);
    EXPECT_EQ(Controller().selectedIndex, 0);
    Tap(Menu::UpControl);
    EXPECT_EQ(Controller().selectedIndex, 5) << "wraps to the last row present, not to optionCount - 1";
    Controller().selectedIndex = 7;
    Tap(Menu::SelectControl);
    EXPECT_EQ(seen.size(), 1u) << "the last present row is selected";
}

TEST_F(NavigationTest, ASubmenuReRegisteredWithFewerRowsKeepsTheSelectionOnARow) {
    StartOpen();
    Controller().selectedIndex = 5;
    std::vector<ActionSight> seen;
    SetMainRows([&seen](Submenu* submenu) {
        submenu->AddOption("a", "", {});
        submenu->AddOption("b", "", Watch(seen, 1));
    });
    Tap(Menu::SelectControl);
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(Controller().selectedIndex, 1);

    SetMainRows(Rows(6));
    Controller().selectedIndex = 5;
    SetMainRows(Rows(2));
    Tap(Menu::DownControl);
    EXPECT_EQ(Controller().selectedIndex, 0) << "from the last row, down wraps";
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_DOWN/Ledger_Sounds"});

    SetMainRows(Rows(6));
    Controller().selectedIndex = 5;
    Controller().AddFrameTask([this] { SetMainRows(Rows(2)); });
    runner.RunFrame();
    EXPECT_EQ(Controller().selectedIndex, 1) << "registered by a frame task, after the frame's navigation";
}

TEST_F(NavigationTest, ASavedRowRestoredIntoAChangedParentLandsOnARow) {
    StartOpen();
    Controller().AddSubmenu(5, "Child", "", Rows(3));
    SetMainRows([](Submenu* submenu) {
        Rows(5)(submenu);
        submenu->AddSubmenuLink("Child", "", 5);
    });
    Controller().selectedIndex = 5;
    Tap(Menu::SelectControl);
    ASSERT_EQ(Controller().savedSelection.at(0), 5);
    SetMainRows(Rows(2));

    Tap(Menu::BackControl);
    EXPECT_EQ(Controller().currentSubmenu, &submenuRegistry.at(0));
    EXPECT_EQ(Controller().selectedIndex, 1) << "the drawing after navigation never sees row 5";

    Controller().savedSelection[0] = 5;
    Controller().submenuStack = {0};
    Controller().currentSubmenu = &submenuRegistry.at(5);
    Tap({Menu::BackControl, Menu::UpControl});
    EXPECT_EQ(Controller().selectedIndex, 0) << "up moves from the restored row, brought back to 1";

    // A saved row that is a heading now moves as after a rebuild: down to a row, else up.
    const struct {
        std::vector<bool> headings;
        std::int32_t saved;
        std::int32_t restored;
    } parents[] = {{{false, true, false}, 1, 2}, {{false, false, true}, 2, 1}, {{true, true}, 1, 0}};
    for (const auto& parent : parents) {
        SetMainRows([&parent](Submenu* submenu) {
            for (const bool heading : parent.headings) {
                if (heading) {
                    submenu->AddSeparator("heading");
                } else {
                    submenu->AddOption("row", "", {});
                }
            }
        });
        Controller().savedSelection[0] = parent.saved;
        Controller().submenuStack = {0};
        Controller().currentSubmenu = &submenuRegistry.at(5);
        Tap(Menu::BackControl);
        EXPECT_EQ(Controller().selectedIndex, parent.restored);
    }
}

TEST_F(NavigationTest, AnActionThatReplacesItsOwnRowsLeavesNavigationOnTheNewRows) {
    StartOpen();
    int runs = 0;
    SetMainRows([&runs](Submenu* submenu) {
        Rows(4)(submenu);
        submenu->AddList("Shrinks", "", {"A", "B"}, [&runs] {
            ++runs;
            menuController->AddSubmenu(0, "Smaller", "", Rows(2));
        });
    });
    Controller().selectedIndex = 4;
    Tap({Menu::RightControl});
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(Shown().optionCount, 2);
    EXPECT_EQ(Controller().selectedIndex, 1);
    EXPECT_FALSE(Shown().options[1].frame.invoking || Shown().options[1].frame.steppedRight);

    SetMainRows([&runs](Submenu* submenu) {
        Rows(4)(submenu);
        submenu->AddOption("Shrinks", "", [&runs] {
            ++runs;
            menuController->AddSubmenu(0, "Smaller", "", Rows(2));
        });
    });
    Controller().selectedIndex = 4;
    Tap({Menu::SelectControl, Menu::DownControl});
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(Controller().selectedIndex, 0) << "down from the new last row wraps";
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"SELECT/HUD_SHOP_SOUNDSET", "NAV_DOWN/Ledger_Sounds"}));
}

// Found by the fuzzer: the action's exception ends the frame before
// navigation's last step, which used to leave the selection past the rows.
TEST_F(NavigationTest, AnActionThatReplacesItsRowsAndThenThrowsLeavesTheSelectionOnARow) {
    StartOpen();
    SetMainRows([](Submenu* submenu) {
        Rows(4)(submenu);
        submenu->AddOption("Shrinks and fails", "", [] {
            menuController->AddSubmenu(0, "Smaller", "", Rows(2));
            throw std::runtime_error("the action failed");
        });
    });
    Controller().selectedIndex = 4;
    Tap(Menu::SelectControl);
    EXPECT_TRUE(Sounds().empty()) << "the failed action ends the frame";
    EXPECT_EQ(Shown().optionCount, 2);
    EXPECT_EQ(Controller().selectedIndex, 1);
    EXPECT_FALSE(Shown().options[1].frame.invoking);
    EXPECT_FALSE(host.Fiber()->ExceptionEscaped());

    Tap(Menu::DownControl);
    EXPECT_EQ(Controller().selectedIndex, 0);
}

TEST_F(NavigationTest, AListWhoseValuesWereEmptiedStepsNowhere) {
    StartOpen();
    int runs = 0;
    SetMainRows([&runs](Submenu* submenu) { submenu->AddList("List", "", {"A", "B"}, [&runs] { ++runs; }); });
    Menu::Option& list = Shown().options[0];
    list.listValues.clear();

    Tap(Menu::RightControl);
    EXPECT_TRUE(Sounds().empty());
    Tap(Menu::LeftControl);
    EXPECT_TRUE(Sounds().empty());
    Tap(Menu::SelectControl);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"SELECT/HUD_SHOP_SOUNDSET"})
        << "select sounds whatever the kind";
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(list.listIndex, 0);
    EXPECT_EQ(list.valueText, "A");
    EXPECT_FALSE(list.frame.steppedLeft || list.frame.steppedRight);

    list.listValues = {"A", "B", "C"};
    list.listIndex = 7;
    Tap(Menu::LeftControl);
    EXPECT_EQ(list.valueText, "C") << "an index past the values steps back onto the last";
    list.listIndex = 7;
    Tap(Menu::RightControl);
    EXPECT_EQ(list.valueText, "A");
}

TEST_F(NavigationTest, WithNoRowsOnlyTheToggleAndBackAct) {
    StartOpen();
    SetMainRows(Rows(0));
    Controller().selectedIndex = 3;
    Tap({Menu::UpControl, Menu::DownControl, Menu::LeftControl, Menu::RightControl});
    EXPECT_TRUE(Sounds().empty());
    EXPECT_EQ(Controller().selectedIndex, 0) << "with no rows the selection is row 0";

    Tap({Menu::SelectControl, Menu::BackControl});
    EXPECT_TRUE(Controller().isOpen) << "select needs a row and ends the frame's navigation";
    EXPECT_TRUE(Sounds().empty());

    Tap(Menu::BackControl);
    EXPECT_FALSE(Controller().isOpen);
}

} // namespace
