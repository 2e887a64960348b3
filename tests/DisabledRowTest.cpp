// Disabled rows: the selection rests on them and their description shows,
// but Select, left and right only play the refusal, whatever the row's kind.
#include "tests/StrictReading.h"
#include "tests/support/MenuFixture.h"

namespace {

using Menu::Submenu;
using DisabledRowTest = MenuTest;

const std::vector<std::string> Refusal = {"UNAFFORDABLE/Ledger_Sounds"};

TEST_F(DisabledRowTest, EachKindRefusesSelectLeftAndRight) {
    StartOpen();
    int ran = 0;
    bool flag = false;
    std::int32_t number = 5;
    float real = 0.5f;
    Controller().AddSubmenu(7, "Seven", "", [](Submenu* page) { page->AddOption("Inside", "", {}); });
    SetMainRows([&](Submenu* page) {
        page->AddOption("Buy horse", "A fine horse.", [&ran] { ++ran; }).isDisabled = true;
        page->AddToggle("Toggle", "", &flag, [&ran] { ++ran; }).isDisabled = true;
        page->AddList("List", "", {"A", "B"}, [&ran] { ++ran; }).isDisabled = true;
        page->AddNumber("Number", "", &number, 0, 9, 1, [&ran] { ++ran; }).isDisabled = true;
        page->AddNumber("Real", "", &real, 0.0f, 1.0f, 0.1f, 1, [&ran] { ++ran; }).isDisabled = true;
        page->AddSubmenuLink("Link", "", 7).isDisabled = true;
    });
    for (std::int32_t row = 0; row < 6; ++row) {
        SCOPED_TRACE(Shown().options[static_cast<std::size_t>(row)].text);
        Controller().selectedIndex = row;
        for (const std::uint32_t control : {Menu::SelectControl, Menu::LeftControl, Menu::RightControl}) {
            Tap(control);
            EXPECT_EQ(Sounds(), Refusal);
        }
        EXPECT_EQ(Shown().id, 0) << "still on the page";
        EXPECT_EQ(Controller().selectedIndex, row);
    }
    EXPECT_EQ(ran, 0);
    EXPECT_FALSE(flag);
    EXPECT_EQ(Shown().options[2].valueText, "A");
    EXPECT_EQ(number, 5);
    EXPECT_EQ(real, 0.5f);

    // Held on a disabled number: no repeats, and the held controls are not asked.
    Controller().selectedIndex = 3;
    host.game.PressControl(Menu::RightControl);
    runner.RunFrames(40);
    EXPECT_EQ(number, 5);
    EXPECT_EQ(Count("PAD::IS_DISABLED_CONTROL_PRESSED"), 1) << "the chord's modifier only";
    host.game.ReleaseControl(Menu::RightControl);
}

TEST_F(DisabledRowTest, TheSelectionRestsOnItAndItsDescriptionShows) {
    StartOpen();
    SetMainRows([](Submenu* page) {
        page->AddOption("First", "", {});
        page->AddOption("Buy horse", "Costs $25.", {}).isDisabled = true;
        page->AddOption("Third", "", {});
    });
    const sim::Frame& frame = Tap(Menu::DownControl);
    EXPECT_EQ(Controller().selectedIndex, 1) << "not stepped over";
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_DOWN/Ledger_Sounds"});
    EXPECT_EQ(readback::ReadMenu(frame).selectedRow, "Buy horse");
    const readback::Drawing drawn = ReadDrawing(frame);
    EXPECT_EQ(TextsStartingWith(drawn, "Costs").size(), 1u) << "its description";
}

TEST_F(DisabledRowTest, EnabledAtRuntimeItActsAgain) {
    StartOpen();
    int ran = 0;
    SetMainRows(
        [&ran](Submenu* page) { page->AddOption("Buy horse", "", [&ran] { ++ran; }).isDisabled = true; });
    Tap(Menu::SelectControl);
    EXPECT_EQ(ran, 0);
    Shown().options[0].isDisabled = false; // a condition in the game came to hold
    Tap(Menu::SelectControl);
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"SELECT/HUD_SHOP_SOUNDSET"});
}

} // namespace
