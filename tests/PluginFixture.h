// A plug-in linked into the test program, run by the stand-in host.
#pragma once

#include "host/KeyStates.h"
#include "host/PluginMain.h"
#include "host/ProcessState.h"
#include "sim/Runner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class PluginTest : public ::testing::Test {
  protected:
    PluginTest() {
        // The linked plug-in's load-time state outlives each test: start clean.
        menuController.reset();
        submenuRegistry.clear();
        windowWidth = 1920;
        for (KeyState& entry : keyStates.entries) {
            entry = KeyState{};
        }
    }

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
