// The pages a build registers at start-up: the framework calls it, and the
// pages define it, so it is declared here, below both.
#pragma once

// Registers every page and leaves the main page, id 0, ready to be shown.
// Exactly one file of a build defines it: voices/MainMenu.cpp in the
// plug-in; the example module and the framework tests bring their own.
void InitializeMenu();
