// The filter row: typed text narrows the rows below it to those whose label
// holds it, with their headings; what is shown is what is counted, reached
// and drawn, and the text holds across a link and Back.
#include "tests/StrictReading.h"
#include "tests/support/MenuFixture.h"

#include "menu/Filter.h"
#include "menu/Rows.h"

namespace {

using Menu::Submenu;
using Labels = std::vector<std::string>;

TEST(LabelHoldsTest, IgnoresTheCaseOfAsciiLettersOnly) {
    struct Case {
        const char* label;
        const char* text;
        bool holds;
    };
    const Case cases[] = {
        {"Arabian White", "arab", true},
        {"ARABIAN", "bIa", true},
        {"Mustang", "", true},
        {"ab", "abc", false},
        {"Arabian", "arabx", false},
        {"\xc3\xa9t\xc3\xa9", "\xc3\x89", false},
        {"\xc3\xa9t\xc3\xa9", "t\xc3\xa9", true},
        {"a[b", "A[B", true},
        {"x@", "X`", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Menu::LabelHolds(c.label, c.text), c.holds) << c.label << " / " << c.text;
    }
}

class FilterRowTest : public MenuTest {
  protected:
    // A row above the filter, then two headings with rows under them and a
    // link; page 1 is where the link leads.
    void StartWithFilter(bool dynamic = false) {
        StartOpen();
        const auto rows = [](Submenu* page) {
            page->AddOption("Top", "", {});
            page->AddFilter("Find", "Type part of a name.");
            page->AddSeparator("Arabians");
            page->AddOption("Arabian White", "", {});
            page->AddOption("Arabian Black", "", {});
            page->AddSeparator("Mustangs");
            page->AddOption("Mustang Grullo", "", {});
            page->AddSeparator("Elsewhere");
            page->AddSubmenuLink("Stables", "", 1);
        };
        Controller().AddSubmenu(1, "Stables", "", [](Submenu* page) { page->AddOption("Stall", "", {}); });
        if (dynamic) {
            Controller().AddDynamicSubmenu(0, "Main", "", rows);
        } else {
            SetMainRows(rows);
        }
        Controller().selectedIndex = 1;
        runner.RunFrame();
    }
    void Filter(const std::string& typed) {
        Controller().selectedIndex = 1;
        Tap(Menu::SelectControl);
        host.game.keyboard.Type(typed);
        host.game.keyboard.Finish();
        runner.RunFrames(2);
    }
    std::vector<std::string> ShownLabels() {
        std::vector<std::string> labels;
        for (std::int32_t row = 0; row < Menu::RowCount(Shown()); ++row) {
            labels.push_back(Menu::RowAt(Shown(), row)->text);
        }
        return labels;
    }
    void FollowTheLinkAndComeBack() {
        Filter("stab");
        Tap(Menu::DownControl);
        Tap(Menu::SelectControl);
        EXPECT_EQ(Shown().id, 1);
        Tap(Menu::BackControl);
        EXPECT_EQ(Shown().id, 0);
        EXPECT_EQ(ShownLabels(), (Labels{"Top", "Find", "Elsewhere", "Stables"}));
        const readback::MenuState menu = readback::ReadMenu(host.recorder.Last());
        EXPECT_EQ(menu.selectedRow, "Stables");
        EXPECT_EQ(menu.counterText, "4 of 4");
    }
    bool Drawn(const std::string& label) const {
        const auto texts = ReadDrawing(host.recorder.Last()).texts;
        return std::any_of(texts.begin(), texts.end(),
                           [&](const DrawnText& text) { return text.Inner() == label; });
    }
};

TEST_F(FilterRowTest, ShowsAndCountsTheMatchingRowsUnderTheirHeadings) {
    struct Case {
        std::string typed;
        Labels shown;
        std::string counter;
        std::string right;
    };
    const Labels all = {"Top",      "Find",           "Arabians",  "Arabian White", "Arabian Black",
                        "Mustangs", "Mustang Grullo", "Elsewhere", "Stables"};
    const Case cases[] = {
        {"arab", {"Top", "Find", "Arabians", "Arabian White", "Arabian Black"}, "2 of 5", "\"arab\": 2 of 4"},
        {"GRULLO", {"Top", "Find", "Mustangs", "Mustang Grullo"}, "2 of 4", "\"GRULLO\": 1 of 4"},
        {"an",
         {"Top", "Find", "Arabians", "Arabian White", "Arabian Black", "Mustangs", "Mustang Grullo"},
         "2 of 7",
         "\"an\": 3 of 4"},
        {"Mustangs", {"Top", "Find", "No match"}, "2 of 3", "\"Mustangs\": 0 of 4"}, // a heading is no match
        {"stab", {"Top", "Find", "Elsewhere", "Stables"}, "2 of 4", "\"stab\": 1 of 4"},
        {"", all, "2 of 9", ""},
    };
    StartWithFilter();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Filter(c.typed);
        EXPECT_EQ(ShownLabels(), c.shown);
        const readback::MenuState menu = readback::ReadMenu(host.recorder.Last());
        EXPECT_EQ(menu.counterText, c.counter);
        EXPECT_EQ(menu.selectedRow, "Find");
        EXPECT_EQ(menu.selectedRight, c.right);
        EXPECT_EQ(Drawn("No match"), c.shown.back() == "No match");
        const bool grulloShown = std::count(c.shown.begin(), c.shown.end(), "Mustang Grullo") == 1;
        EXPECT_EQ(Drawn("Mustang Grullo"), grulloShown);
    }
}

TEST_F(FilterRowTest, OnlyTheShownRowsAreReached) {
    StartWithFilter();
    Filter("arab");
    const auto selected = [this] { return readback::ReadMenu(host.recorder.Last()).selectedRow; };
    Tap(Menu::DownControl);
    EXPECT_EQ(selected(), "Arabian White") << "over the heading";
    Tap(Menu::DownControl);
    EXPECT_EQ(selected(), "Arabian Black");
    Tap(Menu::DownControl);
    EXPECT_EQ(selected(), "Top") << "wrapped: nothing below matches";
    Filter("zebra");
    Tap(Menu::DownControl);
    EXPECT_EQ(selected(), "Top") << "No match is passed over";
}

TEST_F(FilterRowTest, HoldsAcrossALinkAndBack) {
    StartWithFilter();
    FollowTheLinkAndComeBack();
}

TEST_F(FilterRowTest, HoldsAcrossALinkAndBackOnAPageBuiltAgainOnEachVisit) {
    StartWithFilter(true);
    FollowTheLinkAndComeBack();
}

TEST_F(FilterRowTest, LongAndInvalidTextIsKeptSafe) {
    StartWithFilter();
    Filter(std::string(4096, 'a'));
    EXPECT_EQ(Shown().filter.text, std::string(Menu::FilterMaxLength, 'a'));
    EXPECT_EQ(ShownLabels(), (Labels{"Top", "Find", "No match"}));
    Filter("\xff\xfe\xc3");
    EXPECT_EQ(Shown().filter.text, "???");
    EXPECT_EQ(ShownLabels(), (Labels{"Top", "Find", "No match"}));
    Filter("ARAB\xff");
    EXPECT_EQ(ShownLabels(), (Labels{"Top", "Find", "No match"}));
}

} // namespace
