#include "driver/Plugin.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace driver {
namespace {
// Stands for the module of a plug-in linked into the program.
char linkedModule;
} // namespace

Plugin Plugin::Load(const std::string& path) {
#ifdef _WIN32
    HMODULE library = LoadLibraryA(path.c_str());
    if (library == nullptr) {
        throw std::runtime_error("cannot load " + path);
    }
    // The loader has already called the entry point with "attach".
    Plugin plugin(library, reinterpret_cast<HINSTANCE>(library), nullptr);
    plugin.path_ = path;
    return plugin;
#else
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        throw std::runtime_error("cannot load " + path + ": " + dlerror());
    }
    auto entry = reinterpret_cast<EntryPoint>(dlsym(library, "DllMain"));
    if (entry == nullptr) {
        dlclose(library);
        throw std::runtime_error(path + " has no entry point");
    }
    Plugin plugin(library, reinterpret_cast<HINSTANCE>(library), entry);
    plugin.path_ = path;
    plugin.Notify(DLL_PROCESS_ATTACH);
    return plugin;
#endif
}

Plugin Plugin::Linked(EntryPoint entry, void (*rebuild)()) {
    Plugin plugin(nullptr, reinterpret_cast<HINSTANCE>(&linkedModule), entry);
    plugin.rebuild_ = rebuild;
    plugin.Notify(DLL_PROCESS_ATTACH);
    return plugin;
}

Plugin::Plugin(Plugin&& other) noexcept
    : library_(other.library_), module_(other.module_), entry_(other.entry_), path_(std::move(other.path_)),
      rebuild_(other.rebuild_) {
    other.library_ = nullptr;
    other.module_ = nullptr;
    other.entry_ = nullptr;
}

std::function<Plugin()> Plugin::Reopener() const {
    if (!path_.empty()) {
        return [path = path_] { return Load(path); };
    }
    return [entry = entry_, rebuild = rebuild_] { return Linked(entry, rebuild); };
}

Plugin::~Plugin() {
    Unload();
}

BOOL Plugin::Notify(DWORD reason, LPVOID reserved) {
    return entry_ != nullptr ? entry_(module_, reason, reserved) : TRUE;
}

void Plugin::Unload(Detach how) {
    if (module_ == nullptr) {
        return;
    }
#ifdef _WIN32
    static_cast<void>(how); // the loader says "freed"; only the process's end could say otherwise
    FreeLibrary(static_cast<HMODULE>(library_));
#else
    static char processEnding;
    Notify(DLL_PROCESS_DETACH, how == Detach::ProcessEnds ? &processEnding : nullptr);
    if (library_ != nullptr) {
        dlclose(library_);
    } else if (rebuild_ != nullptr) {
        rebuild_();
    }
#endif
    library_ = nullptr;
    module_ = nullptr;
    entry_ = nullptr;
}

} // namespace driver
