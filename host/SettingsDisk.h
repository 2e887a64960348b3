// The settings file on disk: read whole, set aside when it is no settings
// file, replaced whole so that a crash mid-write leaves the old one.
#pragma once

#include <string>
#include <string_view>

namespace settings_disk {

// The file's text. A missing file reads as empty; one that cannot be read,
// is larger than settings_file::MaxFileBytes or is not text is moved to
// PATH.bad (replacing an older one) and reads as empty too.
std::string ReadOrSetAside(const std::string& path);

// Writes text to PATH.tmp, then moves it over the file. False, the file as
// it was and no temporary left, when any step fails.
bool Replace(const std::string& path, std::string_view text);

} // namespace settings_disk
