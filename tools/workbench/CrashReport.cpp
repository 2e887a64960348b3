#include "tools/workbench/CrashReport.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace workbench {

namespace {

std::atomic<bool> inPluginFrame{false};

void OnCrash(int signal) {
    const char* message = inPluginFrame
                              ? "crash: the plug-in crashed during a frame; the workbench ends with it\n"
                              : "crash: the workbench crashed\n";
    [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, message, std::strlen(message));
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

void ReportCrashes() {
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        std::signal(signal, OnCrash);
    }
}

void MarkPluginFrame(bool running) {
    inPluginFrame = running;
}

} // namespace workbench
