#include "tests/support/PluginFixture.h"

#include "menu/Menu.h"

#include <functional>

namespace {

using Menu::Controller;
using Menu::Submenu;

std::function<void(Submenu*)> Rows(int count) {
    return [count](Submenu* submenu) {
        for (int i = 0; i < count; ++i) {
            submenu->AddOption("row " + std::to_string(i), "", [] {});
        }
    };
}

class ControllerTest : public PluginTest {
  protected:
    Controller controller;
};

TEST_F(ControllerTest, InitSeesAFreshSubmenuOnceAndTheRegistryKeepsItsRows) {
    int calls = 0;
    controller.AddSubmenu(4, "Title", "Sub", [&calls](Submenu* fresh) {
        ++calls;
        EXPECT_EQ(fresh->title, "Title");
        EXPECT_EQ(fresh->subtitle, "Sub");
        EXPECT_EQ(fresh->id, 4);
        EXPECT_EQ(fresh->optionCount, 0);
        EXPECT_TRUE(fresh->options.empty());
        EXPECT_NE(fresh, &submenuRegistry[4]) << "init fills a temporary, not the entry";
        fresh->AddOption("a", "", [] {});
        fresh->AddOption("b", "", [] {});
    });
    EXPECT_EQ(calls, 1);
    const Submenu& stored = submenuRegistry.at(4);
    EXPECT_EQ(stored.optionCount, 2);
    EXPECT_EQ(stored.options.size(), 2u);
    EXPECT_TRUE(stored.init);

    controller.OpenSubmenu(4);
    controller.OpenSubmenu(4);
    EXPECT_EQ(calls, 1) << "opening never runs init again";
    EXPECT_EQ(submenuRegistry.at(4).optionCount, 2);
}

TEST_F(ControllerTest, StoredSubmenusNeverMoveAndTheLastRegistrationWins) {
    controller.AddSubmenu(0, "Main", "", Rows(6));
    controller.OpenSubmenu(0);
    Submenu* shown = controller.currentSubmenu;
    ASSERT_EQ(shown, &submenuRegistry.at(0));

    for (int id = 1; id <= 2000; ++id) {
        controller.AddSubmenu(id, "", "", Rows(0));
    }
    EXPECT_EQ(&submenuRegistry.at(0), shown);

    controller.AddSubmenu(0, "Again", "", Rows(2));
    EXPECT_EQ(submenuRegistry.count(0), 1u);
    EXPECT_EQ(controller.currentSubmenu, shown);
    EXPECT_EQ(shown->title, "Again");
    EXPECT_EQ(shown->optionCount, 2);
    EXPECT_EQ(shown->options.size(), 2u);
}

TEST_F(ControllerTest, EmptyInitFailsBeforeTheRegistryChanges) {
    controller.AddSubmenu(3, "Kept", "", Rows(1));
    EXPECT_THROW(controller.AddSubmenu(3, "Lost", "", nullptr), std::bad_function_call);
    EXPECT_EQ(submenuRegistry.at(3).title, "Kept");
    EXPECT_THROW(controller.AddSubmenu(9, "", "", nullptr), std::bad_function_call);
    EXPECT_EQ(submenuRegistry.count(9), 0u);
}

// A list, number or toggle row draws its value where a right-hand text would
// stand: one given a right-hand text is refused, at registration and at a
// rebuild alike, and the page registered before stays.
TEST_F(ControllerTest, ARightHandTextWhereARowShowsItsValueIsRefused) {
    static bool flag = false;
    static std::int32_t number = 0;
    const std::vector<std::pair<const char*, std::function<Menu::Option&(Submenu*)>>> rows = {
        {"toggle", [](Submenu* page) -> Menu::Option& { return page->AddToggle("t", "", &flag); }},
        {"list",
         [](Submenu* page) -> Menu::Option& {
             return page->AddList("l", "", {"a", "b"});
         }},
        {"number", [](Submenu* page) -> Menu::Option& { return page->AddNumber("n", "", &number, 0, 9, 1); }},
        {"action", [](Submenu* page) -> Menu::Option& { return page->AddOption("a", "", {}); }},
        {"link", [](Submenu* page) -> Menu::Option& { return page->AddSubmenuLink("k", "", 3); }},
        {"heading", [](Submenu* page) -> Menu::Option& { return page->AddSeparator("h"); }},
    };
    for (const auto& [kind, add] : rows) {
        const bool refused =
            kind == std::string("toggle") || kind == std::string("list") || kind == std::string("number");
        controller.AddSubmenu(3, "Kept", "", Rows(1));
        const auto init = [&add](Submenu* page) { add(page).rightText = "$25"; };
        if (refused) {
            EXPECT_THROW(controller.AddSubmenu(3, "Lost", "", init), std::invalid_argument) << kind;
            EXPECT_EQ(submenuRegistry.at(3).title, "Kept") << kind;
        } else {
            controller.AddSubmenu(3, "Shown", "", init);
            EXPECT_EQ(submenuRegistry.at(3).options.at(0).rightText, "$25") << kind;
        }
    }
    bool late = false;
    controller.AddSubmenu(5, "Dynamic", "", [&late](Submenu* page) {
        page->AddToggle("t", "", &flag).rightText = late ? "$25" : "";
    });
    late = true;
    EXPECT_THROW(controller.RefreshSubmenu(5), std::invalid_argument);
    EXPECT_EQ(submenuRegistry.at(5).options.at(0).rightText, "") << "the page stays as it was";
}

TEST_F(ControllerTest, OpenSubmenuMovesBetweenLevels) {
    controller.OpenSubmenu(0);
    EXPECT_EQ(controller.currentSubmenu, nullptr) << "an unregistered id changes nothing";

    controller.AddSubmenu(0, "Main", "", Rows(6));
    controller.AddSubmenu(5, "Child", "", Rows(3));
    controller.selectedIndex = 3;
    controller.OpenSubmenu(0);
    EXPECT_EQ(controller.currentSubmenu, &submenuRegistry.at(0));
    EXPECT_EQ(controller.selectedIndex, 3) << "the first open keeps the selection";

    controller.OpenSubmenu(5);
    EXPECT_EQ(controller.currentSubmenu->id, 5);
    EXPECT_EQ(controller.selectedIndex, 0);
    EXPECT_EQ(controller.submenuStack, std::vector<std::int32_t>{0});
    EXPECT_EQ(controller.savedSelection.at(0), 3);

    controller.selectedIndex = 2;
    controller.OpenSubmenu(5);
    EXPECT_EQ(controller.selectedIndex, 0) << "equal id: same submenu, first row";
    EXPECT_EQ(controller.submenuStack.size(), 1u);

    // A page's own code goes on to 7 and back: 5's row stays saved on the way.
    controller.AddSubmenu(7, "Grandchild", "", Rows(1));
    controller.selectedIndex = 2;
    controller.OpenSubmenu(7);
    EXPECT_EQ(controller.savedSelection.at(5), 2);
    controller.OpenSubmenu(5);
    EXPECT_EQ(controller.submenuStack, std::vector<std::int32_t>{0});
    EXPECT_EQ(controller.savedSelection.count(7), 0u);
    ASSERT_EQ(controller.savedSelection.count(5), 1u);

    controller.OpenSubmenu(0);
    EXPECT_EQ(controller.currentSubmenu->id, 0);
    EXPECT_TRUE(controller.submenuStack.empty());
    EXPECT_EQ(controller.savedSelection.count(5), 0u) << "a lower id erases the left submenu's saved row";
    EXPECT_EQ(controller.savedSelection.at(0), 3) << "only the left submenu's entry is erased";
}

TEST_F(ControllerTest, EnterAndGoBackRestoreEachLevelsRow) {
    controller.AddSubmenu(0, "Main", "", Rows(6));
    controller.AddSubmenu(5, "Five", "", Rows(6));
    controller.AddSubmenu(7, "Seven", "", Rows(6));
    controller.OpenSubmenu(0);

    controller.selectedIndex = 2;
    controller.EnterSubmenu(5);
    controller.selectedIndex = 4;
    controller.EnterSubmenu(7);
    EXPECT_EQ(controller.currentSubmenu->id, 7);
    EXPECT_EQ(controller.selectedIndex, 0);
    EXPECT_EQ(controller.submenuStack, (std::vector<std::int32_t>{0, 5}));

    controller.GoBack();
    EXPECT_EQ(controller.currentSubmenu->id, 5);
    EXPECT_EQ(controller.selectedIndex, 4);
    controller.GoBack();
    EXPECT_EQ(controller.currentSubmenu->id, 0);
    EXPECT_EQ(controller.selectedIndex, 2);
    EXPECT_TRUE(controller.submenuStack.empty());
    EXPECT_TRUE(controller.savedSelection.empty());
}

TEST_F(ControllerTest, EnterIgnoresTheTargetsOwnSavedRow) {
    controller.AddSubmenu(0, "Main", "", Rows(6));
    controller.AddSubmenu(5, "Five", "", Rows(6));
    controller.OpenSubmenu(0);
    controller.savedSelection[5] = 4;
    controller.EnterSubmenu(5);
    EXPECT_EQ(controller.selectedIndex, 0);
}

TEST_F(ControllerTest, GoBackWithAnEmptyStackReturnsToTheMainSubmenu) {
    controller.AddSubmenu(0, "Main", "", Rows(6));
    controller.AddSubmenu(3, "Three", "", Rows(6));
    controller.OpenSubmenu(3);
    controller.selectedIndex = 5;
    controller.GoBack();
    EXPECT_EQ(controller.currentSubmenu, &submenuRegistry.at(0));
    EXPECT_EQ(controller.selectedIndex, 0);
    EXPECT_EQ(controller.savedSelection.at(0), 0) << "an entry for 0 is left behind";

    controller.savedSelection[0] = 4;
    controller.currentSubmenu = &submenuRegistry.at(3);
    controller.GoBack();
    EXPECT_EQ(controller.selectedIndex, 4);
    EXPECT_EQ(controller.savedSelection.at(0), 4);
}

TEST_F(ControllerTest, GoBackToAnUnregisteredIdShowsAnEmptySubmenu) {
    controller.AddSubmenu(0, "Main", "", Rows(6));
    controller.OpenSubmenu(0);
    controller.submenuStack.push_back(42);
    controller.GoBack();
    ASSERT_NE(controller.currentSubmenu, nullptr);
    EXPECT_EQ(controller.currentSubmenu->id, -1);
    EXPECT_EQ(controller.currentSubmenu->optionCount, 0);
}

} // namespace
