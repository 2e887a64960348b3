// The game's menu sounds.
#pragma once

// Stops the named frontend sound and plays it again, so a repeat starts afresh
// instead of overlapping the last one.
void PlayFrontendSound(const char* sound, const char* soundset);
