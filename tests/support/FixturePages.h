// The framework tests' own pages, registered at start-up in place of the
// plug-in's (voices/MainMenu.cpp), so these tests stay as they are when the
// main page changes. Tests about the shipped page link the plug-in instead.
#pragma once

#include <cstdint>
#include <functional>

inline constexpr std::int32_t FixtureMainRows = 6;

// Off: start-up registers the fixture's page as id 3 only, as a fork that
// numbers its main page otherwise. Tests that turn it off turn it on again.
extern bool fixtureMainPageIsZero;

// Run at the end of start-up's InitializeMenu, when set: a test's own pages
// and settings, there before the settings file is read. Tests that set it
// clear it.
extern std::function<void()> fixtureInitialize;
