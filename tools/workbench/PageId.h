// The id of the page shown: the plug-in never hands it to the game, so it is
// read from the plug-in's own menu state, found through the module's symbol
// table. Every read is checked, and the state counts only when it agrees
// with what the frame drew: a module built from other menu sources reads as
// nothing rather than as nonsense or a crash.
#pragma once

#include "tools/workbench/ShownPage.h"

#include <cstdint>
#include <optional>
#include <string>

namespace workbench {

// The offset of the plug-in's menu controller in the module file, or 0.
std::uint64_t FindMenuControllerOffset(const std::string& moduleFile);

// slot: where the loaded module keeps its menu controller (load address plus offset).
std::optional<int> ReadPageId(std::uintptr_t slot, const ShownPage& shown);

} // namespace workbench
