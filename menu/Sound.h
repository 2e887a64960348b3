// The game's menu sounds.
#pragma once

#include "host/MenuArt.h"

// Stops the named frontend sound and plays it again, so a repeat starts afresh
// instead of overlapping the last one.
void PlayFrontendSound(menu_art::Sound sound);
