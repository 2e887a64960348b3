// Runs a script routine cooperatively, as the hook does: the routine runs only
// between Resume and its next Yield, and never at the same time as the host.
// A dedicated thread with a strict hand-over stands in for a fiber.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace sim {

// Thrown inside the script routine, out of its wait, when the host abandons it.
struct ScriptAbandoned {};

class ScriptFiber {
  public:
    using Routine = void (*)();

    explicit ScriptFiber(Routine routine);
    // Abandons the routine where it waits; it never runs again.
    ~ScriptFiber();
    ScriptFiber(const ScriptFiber&) = delete;
    ScriptFiber& operator=(const ScriptFiber&) = delete;

    // Host side: runs the routine until it yields or returns.
    void Resume();
    // Script side: hands control back and waits for the next Resume.
    void Yield();

    bool Returned() const { return returned_; }
    // An exception other than abandonment left the routine: the real host would have died.
    bool ExceptionEscaped() const { return exceptionEscaped_; }

  private:
    void Run(Routine routine);

    std::mutex mutex_;
    std::condition_variable turn_;
    bool scriptTurn_ = false;
    bool abandoned_ = false;
    bool returned_ = false;
    bool exceptionEscaped_ = false;
    std::thread thread_;
};

} // namespace sim
