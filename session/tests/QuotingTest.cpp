// Texts quoted by the one writer (records, recorded sessions, messages) read
// back by the session reader as they were.
#include "sim/Quoting.h"
#include "session/Session.h"
#include "session/Words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(QuotingTest, EveryTextReadsBackAsItWasWritten) {
    const std::vector<std::string> texts = {
        "say \"hi\"",
        "back\\slash \\\" and \\\\",
        "two\nlines\r\n\tindented",
        "\x01\x1f\x7f bell",
        "Größe ☃ café",
        "",
        "# not a comment",
        "\\x41 stays as written",
    };
    for (const std::string& text : texts) {
        const std::string quoted = sim::Quoted(text);
        EXPECT_EQ(quoted.find_first_of("\n\r"), std::string::npos) << "one line: " << quoted;
        const std::vector<session::Word> words = session::SplitWords(quoted + " after");
        ASSERT_EQ(words.size(), 2u) << quoted;
        EXPECT_TRUE(words[0].quoted);
        EXPECT_EQ(words[0].text, text) << quoted;
        EXPECT_EQ(words[1].text, "after");
        const auto steps = session::ParseSession("wait 1\nexpect row " + quoted + "  # a comment\n");
        EXPECT_EQ(steps.at(1).expectation.label, text) << quoted;
    }
}

TEST(QuotingTest, AHexEscapeGivesItsByte) {
    EXPECT_EQ(session::SplitWords(R"("\x41\x7f\x1F.")").at(0).text, "A\x7f\x1f.");
    EXPECT_EQ(session::SplitWords(R"("\x4" "\xg1")").at(0).text, "x4") << "not two hex digits: the letter";
    EXPECT_EQ(session::SplitWords(R"("\x4" "\xg1")").at(1).text, "xg1");
}

} // namespace
