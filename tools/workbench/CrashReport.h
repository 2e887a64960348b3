// A crash inside the plug-in takes the process with it, as it would take the
// game; at least the developer learns that it happened in the plug-in.
#pragma once

namespace workbench {

// From now on a fatal signal prints one line saying whose crash it was, then
// ends the process as the signal would have.
void ReportCrashes();

// Brackets the plug-in's frames, so a crash report can tell them apart.
void MarkPluginFrame(bool running);

} // namespace workbench
