#include "tools/players_notes/NotesTemplate.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

players_notes::NotesFacts Facts() {
    players_notes::NotesFacts facts;
    facts.mainPageRows = {"First row", "Second row", "Third row"};
    facts.values = {{"PRODUCT_NAME", "Some Tools"}, {"FILE_NAME", "SomeTools"}};
    return facts;
}

std::string ErrorOf(const std::string& notesTemplate) {
    try {
        players_notes::FillNotes(notesTemplate, Facts());
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "no error";
}

TEST(NotesTemplate, RowLinesRepeatPerRowAndValuesFillIn) {
    EXPECT_EQ(players_notes::FillNotes("@PRODUCT_NAME@ (@FILE_NAME@.asi) has @MAIN_PAGE_ROW_COUNT@ rows:\n"
                                       "  - @MAIN_PAGE_ROW@ [@MAIN_PAGE_ROW@]\n"
                                       "End, mail a@b.c or @ alone.",
                                       Facts()),
              "Some Tools (SomeTools.asi) has 3 rows:\n"
              "  - First row [First row]\n"
              "  - Second row [Second row]\n"
              "  - Third row [Third row]\n"
              "End, mail a@b.c or @ alone.");
}

TEST(NotesTemplate, KeysAndButtonsComeFromTheControlList) {
    EXPECT_EQ(players_notes::FillNotes(
                  "@key:toggle@; hold @button:INPUT_FRONTEND_RB@ and press @button:INPUT_CONTEXT_A@; "
                  "@keys:INPUT_GAME_MENU_ACCEPT@; @keys:INPUT_GAME_MENU_UP@; @key:fast@\n",
                  Facts()),
              "F8; hold RB and press A; Enter or Numpad Enter; Arrow Up; Shift\n");
}

TEST(NotesTemplate, WhatCannotBeFilledStopsWithItsLine) {
    EXPECT_EQ(ErrorOf("fine\n@VERSION@\n"), "template line 2: no value for @VERSION@");
    EXPECT_EQ(ErrorOf("@keys:INPUT_NO_SUCH@"),
              "template line 1: no control INPUT_NO_SUCH in host/ControlList.h");
    EXPECT_EQ(ErrorOf("@button:INPUT_INTERACTION_MENU@"),
              "template line 1: INPUT_INTERACTION_MENU has no default button");
    EXPECT_EQ(ErrorOf("@key:jump@"), "template line 1: the plug-in has no key \"jump\" (toggle, fast)");
    EXPECT_EQ(ErrorOf("@name:INPUT_CONTEXT_A@"),
              "template line 1: unknown placeholder kind \"name\" (key, keys, button)");
}

} // namespace
