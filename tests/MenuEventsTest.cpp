// The events a mod hangs on the menu, pages and rows, and the order they
// come in as the player goes about the menu.
#include "tests/support/MenuFixture.h"

namespace {

using Menu::Submenu;

class MenuEventsTest : public MenuTest {
  protected:
    std::function<void()> Log(std::string what) {
        return [this, what] { events.push_back(what); };
    }

    // Main page: two rows and a link to a dynamic page 1 of two rows.
    void BuildPages() {
        Controller().onOpen = Log("open");
        Controller().onClose = Log("close");
        Controller().AddDynamicSubmenu(1, "One", "", [this](Submenu* page) {
            events.push_back("build 1");
            page->onEnter = Log("enter 1");
            page->onLeave = Log("leave 1");
            page->AddOption("B0", "", {}).onHover = Log("hover B0");
            page->AddOption("B1", "", {}).onHover = Log("hover B1");
        });
        SetMainRows([this](Submenu* page) {
            page->onEnter = Log("enter 0");
            page->onLeave = Log("leave 0");
            page->AddOption("A0", "", {}).onHover = Log("hover A0");
            page->AddSubmenuLink("A1", "", 1).onHover = Log("hover A1");
        });
        events.clear();
    }

    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(events);
        return taken;
    }

    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(MenuEventsTest, EachComesAtTheMomentItNamesInOrder) {
    Start();
    BuildPages();
    ReleaseF8();
    runner.RunFrame();
    EXPECT_EQ(Take(), (Events{"open", "hover A0"})) << "opening shows the page with the selection on A0";
    runner.RunFrames(3);
    EXPECT_EQ(Take(), Events{}) << "steady frames run nothing";

    Tap(Menu::DownControl);
    EXPECT_EQ(Take(), Events{"hover A1"});
    Tap(Menu::SelectControl);
    EXPECT_EQ(Take(), (Events{"leave 0", "build 1", "enter 1", "hover B0"}));
    Tap(Menu::UpControl);
    EXPECT_EQ(Take(), Events{"hover B1"}) << "a wrap is a move too";
    Tap(Menu::BackControl);
    EXPECT_EQ(Take(), (Events{"leave 1", "enter 0", "hover A1"})) << "back on the row the link was on";
    Tap(Menu::LeftControl);
    Tap(Menu::SelectControl);
    EXPECT_EQ(Take(), (Events{"leave 0", "build 1", "enter 1", "hover B0"}));
    ReleaseF8();
    runner.RunFrame();
    EXPECT_EQ(Take(), Events{"close"}) << "closing leaves no page";
    ReleaseF8();
    runner.RunFrame();
    EXPECT_EQ(Take(), (Events{"open", "hover B0"})) << "open again where it was, not rebuilt";
    Tap(Menu::BackControl);
    Tap(Menu::BackControl);
    EXPECT_EQ(Take(), (Events{"leave 1", "enter 0", "hover A1", "close"})) << "Back at the top closes";
}

TEST_F(MenuEventsTest, OpenSubmenuEntersAndLeavesToo) {
    Start();
    BuildPages();
    Controller().OpenSubmenu(1);
    EXPECT_EQ(Take(), (Events{"leave 0", "build 1", "enter 1", "hover B0"}));
    Controller().OpenSubmenu(0);
    EXPECT_EQ(Take(), (Events{"leave 1", "enter 0", "hover A0"}));
    Controller().OpenSubmenu(42);
    EXPECT_EQ(Take(), Events{}) << "no such page: nothing";
}

TEST_F(MenuEventsTest, AnEventThatRebuildsItsOwnPageRunsToItsEnd) {
    Start();
    int rebuilt = 0;
    Controller().AddDynamicSubmenu(1, "One", "", [&rebuilt, this](Submenu* page) {
        ++rebuilt;
        // Each run replaces the page and the row holding these callables.
        page->onEnter = [this] {
            menuController->RefreshSubmenu(1);
            events.push_back("entered");
        };
        page->AddOption("B0", "", {}).onHover = [this] {
            menuController->RefreshSubmenu(1);
            events.push_back("hovered");
        };
    });
    SetMainRows([](Submenu* page) { page->AddSubmenuLink("One", "", 1); });
    ReleaseF8();
    runner.RunFrame();
    Tap(Menu::SelectControl);
    EXPECT_EQ(events, (Events{"entered", "hovered"}));
    EXPECT_EQ(rebuilt, 4) << "registered, shown, and once by each event";
}

TEST_F(MenuEventsTest, EveryMoveHoversAndSideStepsDoNot) {
    Start();
    BuildPages();
    ReleaseF8();
    runner.RunFrame();
    Take();
    Tap({Menu::UpControl, Menu::DownControl});
    EXPECT_EQ(Take(), (Events{"hover A1", "hover A0"})) << "each move hovers, in order";
    Tap(Menu::LeftControl);
    Tap(Menu::RightControl);
    EXPECT_EQ(Take(), Events{}) << "left and right do not move the selection";
}

} // namespace
