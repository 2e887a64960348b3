#include "sim/ScriptFiber.h"

#include <chrono>

namespace sim {
namespace {
thread_local ScriptFiber* currentFiber = nullptr;

// The plug-in's own loop needs two signals (one caught around the frame, one
// out of its wait). A routine that catches this many and waits again would
// never end: it is parked in its wait instead.
constexpr int SignalsBeforeParking = 16;

// Touches nothing the host owns: the fiber that ran here may be gone.
[[noreturn]] void ParkForever() {
    for (;;) {
        std::this_thread::sleep_for(std::chrono::hours(24));
    }
}
} // namespace

ScriptFiber::ScriptFiber(Routine routine) : thread_([this, routine] { Run(routine); }) {}

// Bounded: every wait of an abandoned routine throws or parks, so the routine
// either unwinds out or stops in its wait.
ScriptFiber::~ScriptFiber() {
    bool parked = false;
    {
        std::unique_lock lock(mutex_);
        abandoned_ = true;
        scriptTurn_ = true;
        turn_.notify_all();
        turn_.wait(lock, [this] { return finished_ || parked_; });
        parked = parked_;
    }
    if (parked) {
        thread_.detach();
    } else {
        thread_.join();
    }
}

ScriptFiber* ScriptFiber::Current() {
    return currentFiber;
}

void ScriptFiber::Run(Routine routine) {
    currentFiber = this;
    bool abandoned = false;
    {
        std::unique_lock lock(mutex_);
        turn_.wait(lock, [this] { return scriptTurn_; });
        abandoned = abandoned_;
    }
    bool escaped = false;
    if (!abandoned) {
        try {
            routine();
        } catch (const ScriptAbandoned&) {
            abandoned = true;
        } catch (...) {
            escaped = true;
        }
    }
    std::lock_guard lock(mutex_);
    returned_ = !abandoned;
    exceptionEscaped_ = escaped;
    finished_ = true;
    scriptTurn_ = false;
    // Under the lock: the host may destroy this fiber as soon as it is released.
    turn_.notify_all();
}

void ScriptFiber::Resume() {
    std::unique_lock lock(mutex_);
    if (returned_ || abandoned_) {
        return;
    }
    scriptTurn_ = true;
    turn_.notify_all();
    turn_.wait(lock, [this] { return !scriptTurn_; });
}

void ScriptFiber::Yield() {
    std::unique_lock lock(mutex_);
    if (!abandoned_) {
        scriptTurn_ = false;
        turn_.notify_all();
        turn_.wait(lock, [this] { return scriptTurn_; });
    }
    if (!abandoned_) {
        return;
    }
    if (signalsGiven_ == SignalsBeforeParking) {
        parked_ = true;
        turn_.notify_all();
        lock.unlock();
        ParkForever();
    }
    ++signalsGiven_;
    throw ScriptAbandoned{};
}

} // namespace sim
