// State that lives from library load to unload. Each layer declares what it
// uses (menu/Menu.h, host/PluginMain.h, menu/Drawing.h, menu/ScreenMetrics.h, menu/Text.h,
// menu/TextStore.h, host/KeyStates.h); host/ProcessState.cpp lists it all once
// and defines it from that list, in the order it is built and the reverse one
// it is destroyed.
#pragma once

#include "host/KeyStates.h"
#include "menu/Drawing.h"
#include "menu/Menu.h"
#include "menu/ScreenMetrics.h"
#include "menu/Text.h"
#include "menu/TextStore.h"

// Destroys the whole state and builds it again as a fresh load would, from the
// same list the definitions are made from. For a plug-in linked into a program
// (tests, benchmarks, the fuzzer), which is never unloaded between runs.
void RebuildProcessState();
