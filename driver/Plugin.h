// A plug-in as the hook sees it: a module handle and an entry point, either
// loaded from a module file or linked into the program.
#pragma once

#include "host/Platform.h"

#include <string>

namespace driver {

using EntryPoint = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);

class Plugin {
  public:
    // Loads a module file: the runtime builds its load-time state, as the loader would.
    static Plugin Load(const std::string& path);
    // A plug-in linked into this program; its load-time state exists already.
    static Plugin Linked(EntryPoint entry);

    Plugin(Plugin&& other) noexcept;
    Plugin& operator=(Plugin&&) = delete;
    Plugin(const Plugin&) = delete;
    ~Plugin();

    HINSTANCE Module() const { return module_; }
    // Calls the entry point with a reason code, as the loader does.
    BOOL Notify(DWORD reason);
    // Detach, then let the runtime destroy the load-time state.
    void Unload();
    bool Loaded() const { return module_ != nullptr; }

  private:
    Plugin(void* library, HINSTANCE module, EntryPoint entry)
        : library_(library), module_(module), entry_(entry) {}

    void* library_ = nullptr; // set when loaded from a file
    HINSTANCE module_ = nullptr;
    EntryPoint entry_ = nullptr;
};

} // namespace driver
