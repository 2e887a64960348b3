// The plug-in end to end: sessions played on a module in the
// stand-in host, their snapshots rendered and read pixel by pixel.
//
// These need the plug-in's menu drawing and input navigation; until both are
// in the plug-in, CTest lists them as disabled (label preview-pipeline).
#include "driver/Runner.h"
#include "driver/Screen.h"
#include "host/Natives.h"
#include "session/Play.h"
#include "tests/support/PixelChecks.h"
#include "tools/render/PromptBoard.h"
#include "tools/render/PromptStrip.h"
#include "tools/render/ReadFrame.h"
#include "tools/render/Renderer.h"
#include "tools/render/Summary.h"
#include "tools/render/Textures.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace {

using namespace pixel_checks;

using driver::Screen;

using EachFrame = std::function<void(const sim::Frame&)>;
using ShownPrompts = std::map<std::string, std::vector<render::ShownPrompt>>;

// Plays a session on a module and renders each snapshot with its prompts, as
// qdt_preview does. Pictures of the framework use the tests' own pages
// (tests/support/FixturePages.cpp), so they stay as they are when the shipped main
// page changes.
std::map<std::string, Picture> Play(const std::vector<session::SessionStep>& steps, Screen screen = {},
                                    const EachFrame& eachFrame = {}, const char* module = QDT_FIXTURE_MODULE,
                                    ShownPrompts* shownPrompts = nullptr) {
    sim::StandInHook host;
    driver::SetScreen(host, screen);
    driver::Runner runner(host);
    runner.Load(driver::Plugin::Load(module));
    std::map<std::string, Picture> pictures;
    render::PromptBoard prompts;
    session::SessionObserver observer;
    observer.frame = [&](int, const session::SessionStep&, const sim::Frame& frame) {
        prompts.Read(frame);
        if (eachFrame) {
            eachFrame(frame);
        }
    };
    observer.snapshot = [&](const session::SessionStep& step, int, const sim::Frame& frame) {
        Picture picture = render::Render(render::ReadDrawing(frame), screen.width, screen.height);
        render::DrawPrompts(picture, prompts.Shown());
        pictures.emplace(step.name, std::move(picture));
        if (shownPrompts != nullptr) {
            (*shownPrompts)[step.name] = prompts.Shown();
        }
    };
    session::RunSession(steps, runner, observer);
    runner.Unload();
    return pictures;
}

std::map<std::string, Picture> Play(const std::string& script, Screen screen = {},
                                    const EachFrame& eachFrame = {}) {
    return Play(session::ParseSession(script), screen, eachFrame);
}

// Collects what each frame's summary tells, in order, each frame against the one before.
EachFrame Collect(std::vector<std::string>& events) {
    return [&events, told = std::make_shared<render::SessionSummary>()](const sim::Frame& frame) {
        for (const std::string& event : told->Next(frame).events) {
            events.push_back(event);
        }
    };
}

::testing::AssertionResult HighlightOnlyAround(const Picture& picture, int selectedSlot, int screenHeight) {
    for (int slot = 0; slot < 8; ++slot) {
        auto result = slot == selectedSlot ? HighlightAround(picture, slot, screenHeight)
                                           : NoHighlightAround(picture, slot, screenHeight);
        if (!result) {
            return result;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(PipelineTest, ClosedMenuFramesShowOnlyTheWorld) {
    const auto pictures = Play("wait 2\nsnapshot before\ntap F8\nsnapshot open\ntap F8\nsnapshot after\n");
    EXPECT_EQ(CountNot(pictures.at("before"), render::WorldColour), 0);
    EXPECT_GT(CountNot(pictures.at("open"), render::WorldColour), 100000) << "F8 opens the menu";
    EXPECT_EQ(CountNot(pictures.at("after"), render::WorldColour), 0) << "and F8 again closes it";
}

TEST(PipelineTest, HighlightStandsAroundTheSelectedRowAndMovesWithIt) {
    const auto pictures = Play("wait 1\ntap F8\nsnapshot first\n"
                               "tap down\ntap down\ntap down\nsnapshot fourth\n"
                               "tap up\nsnapshot third\n"
                               "tap up\ntap up\ntap up\nsnapshot wrapped\n");
    EXPECT_TRUE(HighlightOnlyAround(pictures.at("first"), 0, 1080));
    EXPECT_TRUE(HighlightOnlyAround(pictures.at("fourth"), 3, 1080));
    EXPECT_TRUE(HighlightOnlyAround(pictures.at("third"), 2, 1080));
    EXPECT_TRUE(HighlightOnlyAround(pictures.at("wrapped"), 5, 1080))
        << "up from the first row wraps to the last";
}

TEST(PipelineTest, RowBoxesStandWhereTheLayoutPutsThem) {
    const auto pictures = Play("wait 1\ntap F8\nsnapshot open\n");
    const Picture& open = pictures.at("open");
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_TRUE(Near(RowBoxSample(open, slot, 1080), RowBox())) << "voice row " << slot;
    }
    EXPECT_TRUE(Near(RowBoxSample(open, 7, 1080), Ink())) << "six rows leave the eighth slot empty";
    EXPECT_TRUE(Near(At(open, 200, 297.5), Ink())) << "ink between the first two boxes";
    EXPECT_TRUE(Near(At(open, 300, 1040), Ink()));
    EXPECT_EQ(At(open, 620, 500), render::WorldColour) << "the backdrop ends at 601";
    EXPECT_EQ(At(open, 300, 1060), render::WorldColour) << "the backdrop ends at 1051";
}

TEST(PipelineTest, A2560By1440ScreenScalesTheWholeMenuByItsHeight) {
    const Screen large{2560, 1440};
    const auto pictures = Play("wait 1\ntap F8\ntap down\ntap down\nsnapshot third\n", large);
    const Picture& third = pictures.at("third");
    ASSERT_EQ(third.Width(), 2560);
    EXPECT_TRUE(HighlightOnlyAround(third, 2, 1440));
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_TRUE(Near(RowBoxSample(third, slot, 1440), RowBox())) << "voice row " << slot;
    }
    EXPECT_FALSE(IsRed(At(third, pixel_checks::HighlightX(2), HighlightTop(2, 1080))))
        << "rows must not keep the 1080-line pitch";
    EXPECT_TRUE(Near(At(third, 300, 1390), Ink()));
    EXPECT_EQ(At(third, 300, 1410), render::WorldColour) << "the backdrop ends at 1051 x 4/3";
    EXPECT_TRUE(Near(At(third, 790, 500), Ink()));
    EXPECT_EQ(At(third, 810, 500), render::WorldColour) << "and at 601 x 4/3 across";
}

TEST(PipelineTest, TheChordOpensAndClosesTheMenuWithTheGamepadAsTheInputDevice) {
    std::vector<std::string> events;
    int gamepadSuppressions = 0;
    const EachFrame collect = Collect(events);
    const auto pictures = Play("gamepad on\nwait 1\nchord\nsnapshot open\nchord\nsnapshot closed\n", {},
                               [&](const sim::Frame& frame) {
                                   collect(frame);
                                   for (const sim::NativeCall& call : frame) {
                                       gamepadSuppressions +=
                                           call.Is(native::DisableControl) && call.U32(0) == 2 ? 1 : 0;
                                   }
                               });
    EXPECT_GT(CountNot(pictures.at("open"), render::WorldColour), 100000);
    EXPECT_EQ(CountNot(pictures.at("closed"), render::WorldColour), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"menu opened", "menu closed"}));
    EXPECT_GT(gamepadSuppressions, 0) << "the open menu suppressed the controller's controls";
}

// The pictures the README shows: open, move to the fourth row, select it, close.
TEST(ShippedPipelineTest, TheDefaultSessionOpensMovesToTheFourthRowSelectsItAndCloses) {
    std::vector<std::string> events;
    const auto pictures =
        Play(session::LoadSession(QDT_DEFAULT_SESSION), {}, Collect(events), QDT_PLUGIN_MODULE);
    EXPECT_EQ(CountNot(pictures.at("01-closed"), render::WorldColour), 0);
    EXPECT_TRUE(HighlightOnlyAround(pictures.at("02-open"), 0, 1080));
    EXPECT_TRUE(HighlightOnlyAround(pictures.at("03-third-row"), 2, 1080));
    EXPECT_TRUE(HighlightOnlyAround(pictures.at("04-fourth-row"), 3, 1080));
    EXPECT_TRUE(HighlightOnlyAround(pictures.at("05-fourth-row-selected"), 3, 1080))
        << "selecting a voice keeps the menu open on its row";
    EXPECT_EQ(CountNot(pictures.at("06-closed-again"), render::WorldColour), 0);
    EXPECT_EQ(events, (std::vector<std::string>{
                          "menu opened", "moved down to \"Set voice: VOFX_PLAYER_MALE02\", 2 of 6",
                          "moved down to \"Set voice: VOFX_PLAYER_MALE03\", 3 of 6",
                          "moved down to \"Set voice: VOFX_PLAYER_FEMALE01\", 4 of 6",
                          "selected \"Set voice: VOFX_PLAYER_FEMALE01\": voice VOFX_PLAYER_FEMALE01 applied",
                          "menu closed"}));
}

// The example module's pages: every kind of row told in the menu's words.
TEST(PipelineTest, TheSummaryTellsPagesListsTogglesAndActionsInTheMenusWords) {
    std::vector<std::string> events;
    Play(session::ParseSession("wait 2\ntap F8\ntap up\ntap select\ntap select\ntap down\ntap right\n"
                               "tap down\ntap down\ntap select\ntap down\ntap select\ntap back\ntap back\n"
                               "tap back\n"),
         {}, Collect(events), QDT_EXAMPLE_MODULE);
    EXPECT_EQ(events,
              (std::vector<std::string>{
                  "menu opened", "moved up to \"Example page\", 7 of 7", "entered \"Example\" (depth 1)",
                  "toggle \"Show hints\" on", "moved down to \"Greeting\", 2 of 10",
                  "list \"Greeting\" stepped right to \"Farewell\"", "moved down to \"Nickname\", 3 of 10",
                  "moved down to \"Read the clock\", 5 of 10", "selected \"Read the clock\"",
                  "moved down to \"Second page\", 6 of 10", "entered \"Example\" \"Second page\" (depth 2)",
                  "back to \"Example\" \"Example page\", row 6", "back to \"Quorvane Dev Tools\", row 7",
                  "menu closed"}));
}

// What the preview tells of each frame of the session on the module, each
// event with the line of the step it is credited to.
std::vector<std::string> Credited(const std::vector<session::SessionStep>& steps, const char* module) {
    sim::StandInHook host;
    driver::Runner runner(host);
    runner.Load(driver::Plugin::Load(module));
    render::SessionSummary told;
    std::vector<std::string> credited;
    session::SessionObserver observer;
    observer.step = [&](const session::SessionStep& step) { told.Saw(step); };
    observer.frame = [&](int, const session::SessionStep& step, const sim::Frame& frame) {
        const render::FrameEvents summary = told.Next(frame, &step);
        for (const std::string& event : summary.events) {
            credited.push_back("line " + std::to_string(summary.cause->line) + ": " + event);
        }
    };
    session::RunSession(steps, runner, observer);
    runner.Unload();
    return credited;
}

// An action that waits with scriptWait finishes frames later, in a frame
// another step runs: what it did is credited to the step that selected it,
// and told against the page it was selected on.
TEST(PipelineTest, WhatAWaitingActionDidIsCreditedToTheStepThatSelectedIt) {
    const std::vector<session::SessionStep> steps =
        session::ParseSession("wait 1\ntap F8\ntap select\ntap down\ntap down\ntap select\ntap back\n");
    const std::vector<std::string> credited = Credited(steps, QDT_WAITING_MODULE);
    EXPECT_EQ(credited,
              (std::vector<std::string>{
                  "line 2: menu opened", "line 3: selected \"Wait and speak\": voice VOFX_WAITED applied",
                  "line 5: moved down to \"Wait and open\", 2 of 2", // line 4's press came mid-action
                  "line 6: entered \"Waiting\" \"Opened\" (depth 1)",
                  "line 7: back to \"Waiting\" \"Main page\", row 2"}));
}

// While the game's keyboard is open the menu's frames begin with asking it:
// what the player typed is told when it lands, and credited to the step that
// finished the keyboard.
TEST(PipelineTest, TypedTextIsToldWhenTheKeyboardFinishesAndCreditedToThatStep) {
    const std::vector<session::SessionStep> steps = session::ParseSession(
        "wait 2\ntap F8\ntap up\ntap select\ntap down\ntap down\ntap select\ntype \"Sadie\"\nwait 2\n"
        "keyboard done\nwait 1\n");
    const std::vector<std::string> credited = Credited(steps, QDT_EXAMPLE_MODULE);
    ASSERT_FALSE(credited.empty());
    EXPECT_EQ(credited.back(), "line 10: \"Nickname\" changed to \"Sadie\"");
}

// The open menu shows the Select and Back prompts with the keys of the
// device in use; a closed one shows none.
TEST(PipelineTest, TheOpenMenuShowsItsPromptsWithTheKeysOrButtonsInUse) {
    ShownPrompts shown;
    const auto pictures = Play(session::ParseSession("wait 1\ntap F8\nsnapshot keys\ngamepad on\nwait 1\n"
                                                     "snapshot buttons\nchord\nsnapshot closed\n"),
                               {}, {}, QDT_FIXTURE_MODULE, &shown);
    using Shown = std::vector<render::ShownPrompt>;
    EXPECT_EQ(shown.at("keys"), (Shown{{"Select", "Enter"}, {"Back", "Backspace"}}));
    EXPECT_EQ(shown.at("buttons"), (Shown{{"Select", "A"}, {"Back", "B"}}));
    EXPECT_TRUE(shown.at("closed").empty());
    const render::PromptPlace back = render::PlacePrompts(shown.at("keys"), 1920, 1080).at(1);
    EXPECT_EQ(At(pictures.at("keys"), back.capLeft + 3, (back.capTop + back.capBottom) / 2),
              render::PromptStripLook::CapColour)
        << "drawn where they stand";
}

// What --list-textures prints is what the menu draws: a texture the menu
// takes up without a stand-in would go unlisted.
TEST(PipelineTest, EveryTextureTheMenuDrawsIsListed) {
    std::set<std::string> drawn;
    Play(
        session::LoadSession(QDT_DEFAULT_SESSION), {},
        [&](const sim::Frame& frame) {
            for (const render::Sprite& sprite : render::ReadDrawing(frame).sprites) {
                drawn.insert(sprite.dictionary + "/" + sprite.texture);
            }
        },
        QDT_PLUGIN_MODULE);
    std::ostringstream listed;
    render::ListTextures(listed);
    EXPECT_GE(drawn.size(), 10u);
    for (const std::string& name : drawn) {
        EXPECT_NE(listed.str().find(name + "\n"), std::string::npos) << name;
    }
}

} // namespace
