// A plug-in as the hook sees it: a module handle and an entry point, either
// loaded from a module file or linked into the program.
#pragma once

#include "host/Platform.h"

#include <functional>
#include <string>

namespace driver {

using EntryPoint = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);

// Why a plug-in is detached: freed while the game goes on (a script reload),
// or the game's process ending (DllMain's reserved argument set).
enum class Detach { Freed, ProcessEnds };

class Plugin {
  public:
    // Loads a module file: the runtime builds its load-time state, as the loader would.
    static Plugin Load(const std::string& path);
    // A plug-in linked into this program; its load-time state exists already.
    // With rebuild, an unload destroys that state and builds it afresh, as a
    // process that loads the module anew would find it.
    static Plugin Linked(EntryPoint entry, void (*rebuild)() = nullptr);

    Plugin(Plugin&& other) noexcept;
    Plugin& operator=(Plugin&&) = delete;
    Plugin(const Plugin&) = delete;
    ~Plugin();

    HINSTANCE Module() const { return module_; }
    // Calls the entry point with a reason code, as the loader does.
    BOOL Notify(DWORD reason, LPVOID reserved = nullptr);
    // Detach, then let the runtime destroy the load-time state. On Windows
    // FreeLibrary tells the module it is freed, whatever how says.
    void Unload(Detach how = Detach::Freed);
    bool Loaded() const { return module_ != nullptr; }
    // Loads the same plug-in again once this one is unloaded: the module file
    // anew, or the linked plug-in attached again.
    std::function<Plugin()> Reopener() const;

  private:
    Plugin(void* library, HINSTANCE module, EntryPoint entry)
        : library_(library), module_(module), entry_(entry) {}

    void* library_ = nullptr; // set when loaded from a file
    HINSTANCE module_ = nullptr;
    EntryPoint entry_ = nullptr;
    std::string path_;            // the module file, when loaded from one
    void (*rebuild_)() = nullptr; // a linked plug-in's load-time state, built afresh
};

} // namespace driver
