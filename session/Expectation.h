// What a session expects of the last frame run, and the check of it against
// the frame: the menu a player sees, the player's voice, the native calls.
//
//   expect menu open / expect menu closed
//   expect page "Title" ["Subtitle"]
//   expect counter R of N
//   expect row "Label" [value "V" | on | off | right "T" | disabled | enabled]
//                                               the selected row
//   expect description "Text"                   the selected row's description
//   expect voice NAME                           the voice the player has now
//   expect call NAME(ARGS) / expect no call NAME(ARGS)
//       NAME as the reference of natives gives it, with or without NAMESPACE::
//       ARGS as sim::Describe prints them; * matches one, a last ... the rest
//   expect sound NAME                           a frontend sound the frame played
#pragma once

#include "readback/MenuState.h"
#include "sim/Game.h"
#include "sim/Recorder.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace session {

enum class ExpectKind { MenuOpen, MenuClosed, Page, Counter, Row, Description, Voice, Call, NoCall, Sound };

// What a row expectation says beside the label.
enum class RowDetail { None, Value, On, Off, Right, Disabled, Enabled };

struct CallPattern {
    std::string native;                 // its public name, NAMESPACE::NAME
    std::vector<std::string> arguments; // each as Describe prints it, or "*"
    bool anyMore = false;               // ended in "..."
};

struct Expectation {
    ExpectKind kind = ExpectKind::MenuOpen;
    std::string text; // as written after "expect", for messages
    std::string title;
    std::optional<std::string> subtitle;
    readback::RowCounter counter;
    std::string label;
    RowDetail detail = RowDetail::None;
    std::string value; // a row's value or right-hand text, a description
    std::string name;  // a voice or a sound
    CallPattern call;
};

// A call as "expect call" writes it: NAME(ARGUMENTS); throws
// std::invalid_argument with the reason.
CallPattern ParseCall(std::string_view text);

// Reads what follows "expect"; throws std::invalid_argument with the reason.
Expectation ParseExpectation(std::string_view text);

// Whether the call matches the pattern, argument by argument as Describe prints them.
bool Matches(const CallPattern& pattern, const sim::NativeCall& call);

// Checks expectations; sees every frame of the session, so that a voice set
// by a hash shows by the name hashed for it.
class Checker {
  public:
    void See(const sim::Frame& frame);
    // What the frame showed instead, or nothing when the expectation holds.
    std::optional<std::string> Shortfall(const Expectation& expectation, const sim::Frame& last,
                                         const sim::Game& game) const;

  private:
    std::string VoiceName(std::uint32_t hash) const;

    std::map<std::uint32_t, std::string> hashedNames_;
};

// "FILE:LINE: expected TEXT, the frame showed SHOWN"
std::string DescribeFailure(const std::string& file, int line, const Expectation& expectation,
                            const std::string& shown);

} // namespace session
