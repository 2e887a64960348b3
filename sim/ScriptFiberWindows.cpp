#include "sim/ScriptFiber.h"

#include "host/Platform.h"

#include <stdexcept>

namespace sim {
namespace {
// The hook runs scripts from its own fiber: a thread that resumes scripts
// becomes one the first time, and stays one.
thread_local void* hostThreadFiber = nullptr;
// The script fiber running on this thread, if any: an abandoned one is never
// switched to again, so its waits never return to the routine.
thread_local ScriptFiber* runningFiber = nullptr;
} // namespace

ScriptFiber::ScriptFiber(Routine routine) : routine_(routine) {
    fiber_ = CreateFiber(0, &ScriptFiber::Enter, this);
    if (fiber_ == nullptr) {
        throw std::runtime_error("cannot create the script fiber");
    }
}

// The routine's frames are dropped without unwinding, as the hook drops a
// script it stops: nothing on that stack runs again.
ScriptFiber::~ScriptFiber() {
    DeleteFiber(fiber_);
}

void __stdcall ScriptFiber::Enter(void* self) {
    auto& fiber = *static_cast<ScriptFiber*>(self);
    try {
        fiber.routine_();
    } catch (...) {
        fiber.exceptionEscaped_ = true;
    }
    fiber.returned_ = true;
    // Returning from a fiber's start routine ends the whole thread.
    for (;;) {
        SwitchToFiber(fiber.hostFiber_);
    }
}

void ScriptFiber::Resume() {
    if (returned_) {
        return;
    }
    if (hostThreadFiber == nullptr) {
        hostThreadFiber = ConvertThreadToFiber(nullptr);
        if (hostThreadFiber == nullptr) {
            throw std::runtime_error("cannot run the host as a fiber");
        }
    }
    hostFiber_ = hostThreadFiber;
    runningFiber = this;
    SwitchToFiber(fiber_);
    runningFiber = nullptr;
}

ScriptFiber* ScriptFiber::Current() {
    return runningFiber;
}

void ScriptFiber::Yield() {
    SwitchToFiber(hostFiber_);
}

} // namespace sim
