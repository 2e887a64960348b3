// The DLL links the C++ runtime statically, so its emergency exception pool
// (about 73 KiB, allocated at load) is this library's own, and nothing frees
// it at unload unless asked.
#include "host/Platform.h"

namespace __gnu_cxx {
// libstdc++ frees its pool on request; no public header declares it.
void __freeres() noexcept;
} // namespace __gnu_cxx

extern "C" void ReleaseRuntimeMemory() {
    __gnu_cxx::__freeres();
}
