#include "tools/players_notes/MainPageRows.h"

#include "tests/support/FixturePages.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(MainPageRows, ReadsEveryRowOnceInOrder) {
    std::vector<std::string> expected;
    for (int row = 1; row <= FixtureMainRows; ++row) {
        expected.push_back("Row " + std::to_string(row));
    }
    EXPECT_EQ(players_notes::ReadMainPageRows(QDT_FIXTURE_MODULE), expected);
}

TEST(MainPageRows, AModuleThatDoesNotLoadIsAnError) {
    EXPECT_THROW(players_notes::ReadMainPageRows("/nonexistent/Plugin.so"), std::runtime_error);
}

} // namespace
