#include "sim/ScriptFiber.h"

namespace sim {

ScriptFiber::ScriptFiber(Routine routine) : thread_([this, routine] { Run(routine); }) {}

ScriptFiber::~ScriptFiber() {
    {
        std::lock_guard lock(mutex_);
        abandoned_ = true;
        scriptTurn_ = true;
    }
    turn_.notify_all();
    thread_.join();
}

void ScriptFiber::Run(Routine routine) {
    {
        std::unique_lock lock(mutex_);
        turn_.wait(lock, [this] { return scriptTurn_; });
        if (abandoned_) {
            return;
        }
    }
    bool escaped = false;
    try {
        routine();
    } catch (const ScriptAbandoned&) {
        return;
    } catch (...) {
        escaped = true;
    }
    {
        std::lock_guard lock(mutex_);
        returned_ = true;
        exceptionEscaped_ = escaped;
        scriptTurn_ = false;
    }
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
    scriptTurn_ = false;
    turn_.notify_all();
    turn_.wait(lock, [this] { return scriptTurn_; });
    if (abandoned_) {
        throw ScriptAbandoned{};
    }
}

} // namespace sim
