// The library's entry point and its script routine.
#pragma once

#include "host/Platform.h"

extern "C" QDT_PLUGIN_ENTRY BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

void ScriptMain();
