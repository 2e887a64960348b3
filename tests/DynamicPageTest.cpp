// Pages rebuilt from what the game holds: again at each link and Back, and on
// demand; the selection keeps its index within the new rows, off a heading.
#include "tests/support/MenuFixture.h"

#include <stdexcept>

namespace {

using Menu::Submenu;
using DynamicPageTest = MenuTest;

constexpr std::int32_t Stables = 4;

// The game's list of things, one row each; a heading when asked.
struct Things {
    std::vector<std::string> names;
    int builds = 0;
};

std::function<void(Submenu*)> RowPerThing(Things& things) {
    return [&things](Submenu* page) {
        ++things.builds;
        for (const std::string& name : things.names) {
            if (name == "-") {
                page->AddSeparator("Heading");
            } else {
                page->AddOption(name, "", {});
            }
        }
    };
}

TEST_F(DynamicPageTest, ItsInitRunsAgainAtEachLinkAndBack) {
    StartOpen();
    Things things{{"Horse A", "Horse B"}};
    Controller().AddDynamicSubmenu(Stables, "Stables", "Your horses", RowPerThing(things));
    EXPECT_EQ(things.builds, 1) << "registration builds it";
    SetMainRows([](Submenu* page) { page->AddSubmenuLink("Stables", "", Stables); });

    things.names.push_back("Horse C");
    Tap(Menu::SelectControl);
    EXPECT_EQ(things.builds, 2);
    EXPECT_EQ(Shown().optionCount, 3);
    EXPECT_EQ(Shown().title, "Stables") << "the header stays";
    EXPECT_TRUE(Shown().isDynamic);

    Controller().AddSubmenu(5, "Deeper", "", [](Submenu* page) { page->AddOption("Nothing", "", {}); });
    Shown().options[0].isSubmenuLink = true;
    Shown().options[0].isAction = false;
    Shown().options[0].targetSubmenuId = 5;
    Tap(Menu::SelectControl);
    EXPECT_EQ(Shown().id, 5);
    things.names = {"Horse D"};
    Tap(Menu::BackControl);
    EXPECT_EQ(things.builds, 3) << "Back shows it: built again";
    EXPECT_EQ(Shown().optionCount, 1);
    EXPECT_EQ(Shown().options[0].text, "Horse D");

    Tap(Menu::BackControl);
    EXPECT_EQ(things.builds, 3) << "leaving it builds nothing";
}

TEST_F(DynamicPageTest, ARebuildThatRemovesTheSelectedRowKeepsTheSelectionOnARow) {
    StartOpen();
    Things things{{"A", "B", "C", "D"}};
    Controller().AddDynamicSubmenu(Stables, "Stables", "", RowPerThing(things));
    SetMainRows([](Submenu* page) { page->AddSubmenuLink("Stables", "", Stables); });
    Tap(Menu::SelectControl);
    Controller().selectedIndex = 3;

    // The selected row's own action takes it away and rebuilds the page.
    Shown().options[3].action = [&things] {
        things.names.pop_back();
        menuController->RefreshSubmenu(Stables);
    };
    const sim::Frame& frame = Tap(Menu::SelectControl);
    EXPECT_EQ(Shown().optionCount, 3);
    EXPECT_EQ(Controller().selectedIndex, 2) << "clamped to the last row";
    const readback::MenuState menu = readback::ReadMenu(frame);
    EXPECT_EQ(menu.selectedRow, "C");
    EXPECT_EQ(menu.counterText, "3 of 3");

    things.names = {"A", "B", "-"};
    Controller().selectedIndex = 1;
    Controller().RefreshSubmenu(Stables);
    EXPECT_EQ(Controller().selectedIndex, 1) << "a row stays on its index";
    Controller().selectedIndex = 2;
    Controller().RefreshSubmenu(Stables);
    EXPECT_EQ(Controller().selectedIndex, 1) << "off the heading at the end, to the row above";
    things.names = {"A", "-", "B"};
    Controller().RefreshSubmenu(Stables);
    EXPECT_EQ(Controller().selectedIndex, 2) << "off the heading, to the row below";
    things.names = {"-", "-", "A"};
    Controller().selectedIndex = 0;
    Controller().RefreshSubmenu(Stables);
    EXPECT_EQ(Controller().selectedIndex, 2) << "off the headings, to the row below";
    things.names = {};
    Controller().RefreshSubmenu(Stables);
    EXPECT_EQ(Controller().selectedIndex, 0) << "no rows: row 0";
    EXPECT_EQ(readback::ReadMenu(runner.RunFrame()).counterText, "1 of 0");
}

TEST_F(DynamicPageTest, BackRestoresTheSavedRowWithinTheRebuiltRows) {
    StartOpen();
    Things things{{"A", "B", "C", "D", "E"}};
    Controller().AddDynamicSubmenu(Stables, "Stables", "", [&things](Submenu* page) {
        RowPerThing(things)(page);
        page->AddSubmenuLink("Deeper", "", 5);
    });
    Controller().AddSubmenu(5, "Deeper", "", [](Submenu* page) { page->AddOption("Nothing", "", {}); });
    SetMainRows([](Submenu* page) { page->AddSubmenuLink("Stables", "", Stables); });
    Tap(Menu::SelectControl);
    Controller().selectedIndex = 5;
    Tap(Menu::SelectControl);
    ASSERT_EQ(Shown().id, 5);
    things.names = {"A", "B"};
    Tap(Menu::BackControl);
    EXPECT_EQ(Shown().id, Stables);
    EXPECT_EQ(Controller().selectedIndex, 2) << "saved row 5, now the last of three";
}

TEST_F(DynamicPageTest, RefreshingWhatIsNotShownLeavesTheSelectionAndAnUnknownIdChangesNothing) {
    StartOpen();
    Things things{{"A"}};
    Controller().AddDynamicSubmenu(Stables, "Stables", "", RowPerThing(things));
    Controller().selectedIndex = 4;
    things.names = {"A", "B"};
    Controller().RefreshSubmenu(Stables);
    EXPECT_EQ(things.builds, 2);
    EXPECT_EQ(submenuRegistry.at(Stables).optionCount, 2);
    EXPECT_EQ(Controller().selectedIndex, 4) << "the shown page is another";
    Controller().RefreshSubmenu(99);
    EXPECT_EQ(submenuRegistry.count(99), 0u);
    submenuRegistry[98]; // an entry a lookup made, with no init
    EXPECT_NO_THROW(Controller().RefreshSubmenu(98));

    // An init that throws leaves the page as it was.
    things.names = {"A", "B", "C"};
    submenuRegistry.at(Stables).init = [](Submenu*) { throw std::runtime_error("the game said no"); };
    EXPECT_THROW(Controller().RefreshSubmenu(Stables), std::runtime_error);
    EXPECT_EQ(submenuRegistry.at(Stables).optionCount, 2);
}

TEST_F(DynamicPageTest, AStaticPageIsNotRebuiltByALink) {
    StartOpen();
    Things things{{"A"}};
    Controller().AddSubmenu(Stables, "Stables", "", RowPerThing(things));
    SetMainRows([](Submenu* page) { page->AddSubmenuLink("Stables", "", Stables); });
    Tap(Menu::SelectControl);
    Tap(Menu::BackControl);
    EXPECT_EQ(things.builds, 1);
    Controller().RefreshSubmenu(Stables);
    EXPECT_EQ(things.builds, 2) << "but it can be refreshed";
    EXPECT_FALSE(submenuRegistry.at(Stables).isDynamic);
}

} // namespace
