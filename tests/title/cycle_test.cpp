#include <gtest/gtest.h>

#include <algorithm>

#include "machine/form1.h"
#include "support/rig.h"
#include "title/form6.h"
#include "ui/scheduler.h"
#include "ui/types.h"

namespace {

using quirvanto::Form1;
using quirvanto::Form6;
using testing_support::Rig;
namespace key = ui::key;

class StartToEnd : public ::testing::Test {
protected:
    void SetUp() override { rig.program.start(); }

    void continueWithCoins(int coins) {
        for (int c = 0; c < coins; ++c) {
            title.keyDown(key::kDigit5);
        }
        title.keyDown(key::kDigit1);
    }

    [[nodiscard]] bool anyWindowLoaded() const {
        const auto& windows = rig.program.windows();
        return std::any_of(windows.begin(), windows.end(),
                           [](const ui::Window* window) { return window->loaded(); });
    }

    Rig rig;
    Form1& machine = rig.program.form1();
    Form6& title = rig.program.form6();
};

TEST_F(StartToEnd, MachineTitleMachineTitleThenLeaving) {
    EXPECT_TRUE(machine.isShown());
    EXPECT_EQ(machine.Credits.caption(), "10");

    machine.requestClose();
    EXPECT_FALSE(machine.loaded());
    EXPECT_TRUE(title.isShown());

    continueWithCoins(2);
    EXPECT_TRUE(machine.isShown());
    EXPECT_EQ(machine.Credits.caption(), "20");
    EXPECT_FALSE(title.loaded());

    machine.requestClose();
    EXPECT_TRUE(title.isShown());
    EXPECT_EQ(title.AA[2].caption(), "0");
    EXPECT_FALSE(title.AA[1].visible());

    title.keyDown(key::kDigit5);
    title.AA[1].click();
    EXPECT_EQ(machine.Credits.caption(), "10");
    machine.requestClose();
    title.keyDown(key::kDigit5);
    title.keyPress(key::kEscape);

    EXPECT_EQ(rig.terminator.quits, 1);
    EXPECT_FALSE(anyWindowLoaded());
    const auto soundsAtTheEnd = rig.sound.played.size();
    rig.advance(10'000);
    EXPECT_EQ(rig.sound.played.size(), soundsAtTheEnd);
    EXPECT_FALSE(anyWindowLoaded());
}

TEST_F(StartToEnd, SpinWithNoCreditsIsGameOverAndLeadsToTheTitle) {
    machine.Credits.setCaption("0");
    machine.Bet.setCaption("3");
    bool titleWhileMessageOpen = true;
    rig.messages.onShow = [&](const std::string&) { titleWhileMessageOpen = title.loaded(); };

    machine.Label1_Click();

    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"Game Over!"});
    EXPECT_FALSE(titleWhileMessageOpen);
    EXPECT_FALSE(machine.loaded());
    EXPECT_TRUE(title.isShown());
    EXPECT_EQ(rig.sound.count("Roll1"), 0);

    continueWithCoins(1);
    EXPECT_EQ(machine.Credits.caption(), "10");
    EXPECT_EQ(machine.Bet.caption(), "0");
}

// The machine's own variables are not reset by a visit to the title window: a roll cut off by
// closing the window leaves its count behind, and the next roll is that much shorter.
TEST_F(StartToEnd, ARollCutOffByClosingTheMachineShortensTheNextOne) {
    machine.Label2_Click();
    machine.Label1_Click();
    rig.advance(50 * ui::kFastestTimerMs);
    machine.WinLines = 2;
    machine.requestClose();
    continueWithCoins(3);

    EXPECT_EQ(machine.StepCount, 50);
    EXPECT_EQ(machine.WinLines, 2);
    EXPECT_EQ(machine.TickerLine, 0);
    EXPECT_EQ(rig.sound.count("Roll2"), 0);

    machine.Label2_Click();
    const std::int64_t spinAt = rig.now();
    machine.Label1_Click();
    EXPECT_EQ(machine.Credits.caption(), "29");
    rig.advance(241 * ui::kFastestTimerMs);

    ASSERT_EQ(rig.sound.count("Roll2"), 1);
    const auto roll2 = std::find_if(rig.sound.played.begin(), rig.sound.played.end(),
                                    [](const auto& sound) { return sound.name == "Roll2"; });
    EXPECT_EQ(roll2->atMs - spinAt, (241 - 50) * ui::kFastestTimerMs);
}

}  // namespace
