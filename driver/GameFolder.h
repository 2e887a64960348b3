// The game's folder a tool plays in: the plug-in's module lies there, and
// beside it whatever the plug-in keeps (NAME.ini). Given one, the tool uses
// it and leaves it; given none, it makes a fresh one of its own and removes
// it afterwards, so two runs never share a file.
#pragma once

#include "sim/StandInHook.h"

#include <string>

namespace driver {

class GameFolder {
  public:
    // Throws std::runtime_error when the folder cannot be made.
    explicit GameFolder(const std::string& given = {});
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Natively: the stand-in answers the module's path with this folder and
    // the module's name in the game (ModuleFileName).
    void Place(sim::StandInHook& host, const std::string& modulePath) const;
    // The module copied in, for a loader that answers with the real path
    // (Windows); gives the copy's path.
    std::string CopyIn(const std::string& modulePath) const;
    // Where the plug-in of this file name keeps its settings: NAME.ini beside it.
    std::string SettingsPath(const std::string& moduleFileName) const;

  private:
    std::string path_;
    bool owned_ = false;
};

// The settings file the stand-in's plug-in keeps: NAME.ini beside the module
// the host answers for; empty when it answers with no path.
std::string SettingsPathOf(const sim::StandInHook& host);

// A module's file name as the game's folder holds it: its own name with the
// game's ending ("QuorvaneExample.so" -> "QuorvaneExample.asi"), so a renamed
// fork keeps its own file.
std::string ModuleFileName(const std::string& modulePath);

} // namespace driver
