// A plug-in linked into the test program, run by the stand-in host.
#pragma once

#include "PluginReset.h"

#include "host/PluginMain.h"
#include "driver/Runner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class PluginTest : public ::testing::Test {
  protected:
    PluginTest() { ResetLinkedPlugin(); }

    // Attaches the plug-in and runs the start-up frame.
    void Start() {
        runner.Load(sim::Plugin::Linked(&DllMain));
        runner.RunFrame();
    }

    // Tests may change the screen; the next one starts on the load-time screen again.
    ~PluginTest() override {
        screenWidth = loadScreenWidth;
        screenHeight = loadScreenHeight;
        rowPitch = loadRowPitch;
    }

    std::vector<std::string> LastFrame() const { return host.recorder.DescribeLast(); }

    sim::Host host;
    sim::Runner runner{host};

  private:
    const float loadScreenWidth = screenWidth;
    const float loadScreenHeight = screenHeight;
    const float loadRowPitch = rowPitch;
};
