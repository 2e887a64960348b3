// The library's entry point and its script routine.
#pragma once

#include "host/Platform.h"

extern "C" QDT_PLUGIN_ENTRY BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

void ScriptMain();

// The plug-in's own module, as DllMain was given it: Windows names its file
// from it. Process-wide, defined in host/ProcessState.cpp.
extern HINSTANCE pluginModule;
