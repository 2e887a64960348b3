// The plug-in module the workbench runs, loaded from a private copy of the
// file: a linker rewriting the watched file then cannot touch mapped code,
// and every load is a fresh path the dynamic loader has not cached.
#pragma once

#include "driver/Runner.h"

#include <cstdint>
#include <string>

namespace workbench {

class LiveModule {
  public:
    explicit LiveModule(driver::Runner& runner);
    ~LiveModule();
    LiveModule(const LiveModule&) = delete;
    LiveModule& operator=(const LiveModule&) = delete;

    // Unloads the running module as the hook does (detach, which unregisters
    // its script and keyboard handler), then loads a copy of path and starts
    // its script. On failure nothing runs and the loader's error is returned.
    std::string Replace(const std::string& path);
    void Unload();
    bool Loaded() const { return loaded_; }
    const std::string& Directory() const { return directory_; }
    // Where the running module keeps its menu controller, or 0 when its symbols do not say.
    std::uintptr_t MenuControllerSlot() const { return menuControllerSlot_; }

  private:
    driver::Runner& runner_;
    std::string directory_; // private, removed at exit
    int copies_ = 0;
    bool loaded_ = false;
    std::uintptr_t menuControllerSlot_ = 0;
};

} // namespace workbench
