#include "menu/Menu.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using Menu::Option;
using Menu::Submenu;

TEST(SubmenuTest, FreshSubmenuAndPlainRowsHaveTheirDefaults) {
    Submenu submenu;
    EXPECT_EQ(submenu.id, -1);
    EXPECT_EQ(submenu.optionCount, 0);
    EXPECT_TRUE(submenu.options.empty());
    EXPECT_TRUE(submenu.title.empty());
    EXPECT_TRUE(submenu.subtitle.empty());
    EXPECT_FALSE(submenu.init);

    int ran = 0;
    for (int i = 0; i < 6; ++i) {
        submenu.AddOption("row " + std::to_string(i), "about row " + std::to_string(i), [&ran] { ++ran; });
    }
    ASSERT_EQ(submenu.optionCount, 6);
    ASSERT_EQ(submenu.options.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        const Option& row = submenu.options[static_cast<std::size_t>(i)];
        EXPECT_EQ(row.index, i);
        EXPECT_EQ(row.text, "row " + std::to_string(i));
        EXPECT_EQ(row.description, "about row " + std::to_string(i));
        EXPECT_TRUE(row.isAction);
        EXPECT_FALSE(row.isToggle || row.isList || row.isSubmenuLink || row.isSeparator);
        EXPECT_FALSE(row.frame.steppedLeft || row.frame.steppedRight || row.frame.invoking ||
                     row.frame.valueTextInitialized);
        EXPECT_EQ(row.listIndex, 0);
        EXPECT_EQ(row.targetSubmenuId, -1);
        EXPECT_EQ(row.toggleTarget, nullptr);
        EXPECT_TRUE(row.valueText.empty());
        row.action();
    }
    EXPECT_EQ(ran, 6);
}

TEST(SubmenuTest, AddersSetOneKindAndKeepIndicesCounted) {
    bool flag = false;
    Submenu submenu;
    submenu.AddSeparator("Heading");
    submenu.AddToggle("Toggle", "flips", &flag);
    submenu.AddList("List", "steps", {"A", "B", "C", "D"});
    submenu.AddSubmenuLink("Link", "opens 5", 5);

    ASSERT_EQ(submenu.optionCount, 4);
    const Option& separator = submenu.options[0];
    EXPECT_TRUE(separator.isSeparator);
    EXPECT_TRUE(separator.isAction) << "select on a heading is decided by its other flags";

    const Option& toggle = submenu.options[1];
    EXPECT_TRUE(toggle.isToggle);
    EXPECT_FALSE(toggle.isAction);
    EXPECT_EQ(toggle.toggleTarget, &flag);

    const Option& list = submenu.options[2];
    EXPECT_TRUE(list.isList);
    EXPECT_FALSE(list.isAction);
    EXPECT_EQ(list.valueText, "A") << "a list shows its first value once its text is set";
    EXPECT_TRUE(list.frame.valueTextInitialized);
    EXPECT_EQ(list.listIndex, 0);

    const Option& link = submenu.options[3];
    EXPECT_TRUE(link.isSubmenuLink);
    EXPECT_FALSE(link.isAction);
    EXPECT_EQ(link.targetSubmenuId, 5);
    EXPECT_EQ(link.text, "Link");
    EXPECT_EQ(link.description, "opens 5");

    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(submenu.options[static_cast<std::size_t>(i)].index, i);
    }
}

TEST(SubmenuTest, ListWithoutValuesIsRefusedAndAddsNothing) {
    Submenu submenu;
    EXPECT_THROW(submenu.AddList("Empty", "", {}), std::invalid_argument);
    EXPECT_EQ(submenu.optionCount, 0);
    EXPECT_TRUE(submenu.options.empty());
}

TEST(SubmenuTest, TextRuleFillsTheValueOnlyOnce) {
    Option option;
    option.isList = true;
    option.listValues = {"first", "second"};
    option.SetText("label");
    EXPECT_EQ(option.valueText, "first");
    option.listIndex = 1;
    option.valueText = "second";
    option.SetText("renamed");
    EXPECT_EQ(option.valueText, "second") << "renaming does not reset the shown value";

    Option plain;
    plain.SetText("plain");
    EXPECT_TRUE(plain.valueText.empty());
    EXPECT_FALSE(plain.frame.valueTextInitialized);
}

TEST(SubmenuTest, CopiedToggleRowsFlipTheSameFlag) {
    bool flag = false;
    Submenu original;
    original.AddToggle("God mode", "", &flag);
    Submenu copy = original;
    *copy.options[0].toggleTarget = !*copy.options[0].toggleTarget;
    EXPECT_TRUE(flag);
    EXPECT_TRUE(*original.options[0].toggleTarget);
}

} // namespace
