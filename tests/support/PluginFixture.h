// A plug-in linked into the test program, run by the stand-in host.
#pragma once

#include "driver/Runner.h"
#include "host/PluginMain.h"
#include "host/ProcessState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Each test starts on the state a fresh load builds, and leaves it so for
// whatever runs next in this program.
struct FreshLinkedPlugin {
    FreshLinkedPlugin() { RebuildProcessState(); }
    ~FreshLinkedPlugin() { RebuildProcessState(); }
    FreshLinkedPlugin(const FreshLinkedPlugin&) = delete;
    FreshLinkedPlugin& operator=(const FreshLinkedPlugin&) = delete;
};

class PluginTest : public ::testing::Test {
  protected:
    // Attaches the plug-in and runs the start-up frame.
    void Start() {
        runner.Load(driver::Plugin::Linked(&DllMain));
        runner.RunFrame();
    }

    std::vector<std::string> LastFrame() const { return host.recorder.DescribeLast(); }

    FreshLinkedPlugin freshState; // first made, last gone: after the host and runner
    sim::StandInHook host;
    driver::Runner runner{host};
};
