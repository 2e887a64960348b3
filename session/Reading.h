// Inside the session parser: the line being read and what the lines before
// it left, shared by the files that read the steps (Session.cpp, GameSteps.cpp).
#pragma once

#include "session/Session.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace session {

struct Reading {
    int number = 0;
    std::string text; // without its comment
    std::vector<std::string> words;
    std::string source;
    bool frameRun = false;           // a step before this one runs frames
    std::set<std::string> snapshots; // the names taken, in lower case

    [[noreturn]] void Fail(const std::string& message) const {
        throw SessionError("line " + std::to_string(number) + ": " + message);
    }
    void NeedsFrame(const std::string& what) const {
        if (!frameRun) {
            Fail(what + " before any frame has run (add \"wait 1\")");
        }
    }
};

// A keyboard key by the name a player writes it (F1, A, 7, 0x75), delivered
// through the keyboard handler; nothing for another name.
std::optional<Input> KeyNamed(const std::string& name);

// The steps around the game's life and its settings file.
void ReadRestart(Reading& line, SessionStep& step);
void ReadExpectSetting(Reading& line, SessionStep& step);
void ReadWriteSetting(Reading& line, SessionStep& step);

} // namespace session
