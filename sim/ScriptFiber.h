// Runs a script routine cooperatively, as the hook does: the routine runs only
// between Resume and its next Yield, and never at the same time as the host.
// On Windows it runs on a real fiber, as the hook runs scripts; elsewhere a
// dedicated thread with a strict hand-over stands in for one.
#pragma once

#ifndef _WIN32
#include <condition_variable>
#include <mutex>
#include <thread>
#endif

namespace sim {

// Thrown inside the script routine, out of its wait, when the host abandons it,
// and out of every wait after that: a catch-all in the routine cannot keep an
// abandoned script going (one that catches it again and again is parked in a
// wait that never returns). Only the thread stand-in throws it: an abandoned
// fiber is simply never resumed.
struct ScriptAbandoned {};

class ScriptFiber {
  public:
    using Routine = void (*)();

    explicit ScriptFiber(Routine routine);
    // Abandons the routine where it waits; it never runs a frame again.
    ~ScriptFiber();
    ScriptFiber(const ScriptFiber&) = delete;
    ScriptFiber& operator=(const ScriptFiber&) = delete;

    // Host side: runs the routine until it yields or returns.
    void Resume();
    // Script side: hands control back and waits for the next Resume.
    void Yield();
    // The script whose routine runs on this thread (or fiber); null on the host's.
    static ScriptFiber* Current();

    bool Returned() const { return returned_; }
    // An exception other than abandonment left the routine: the real host would have died.
    bool ExceptionEscaped() const { return exceptionEscaped_; }

  private:
    bool returned_ = false;
    bool exceptionEscaped_ = false;
#ifdef _WIN32
    static void __stdcall Enter(void* self);

    Routine routine_;
    void* fiber_ = nullptr;     // the script's own stack
    void* hostFiber_ = nullptr; // whoever resumed it last
#else
    void Run(Routine routine);

    std::mutex mutex_;
    std::condition_variable turn_;
    bool scriptTurn_ = false;
    bool abandoned_ = false;
    int signalsGiven_ = 0; // waits that threw ScriptAbandoned
    bool parked_ = false;  // stopped for good inside a wait, never to run again
    bool finished_ = false;
    std::thread thread_;
#endif
};

} // namespace sim
