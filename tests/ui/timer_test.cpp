#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/rig.h"
#include "support/test_window.h"

namespace {

using testing_support::Rig;
using testing_support::TestWindow;

struct Timers : ::testing::Test {
    Rig rig;
    TestWindow window{rig.program};
    int fastTicks = 0;
    int slowTicks = 0;
    void SetUp() override {
        window.load();
        window.onFast = [this] { ++fastTicks; };
        window.onSlow = [this] { ++slowTicks; };
    }
};

TEST_F(Timers, NominalOneMillisecondRunsAtTheFastestRate) {
    window.Fast.setEnabled(true);
    rig.advance(1000);
    EXPECT_EQ(fastTicks, 62);  // 16 ms a tick
}

TEST_F(Timers, EnablingARunningTimerKeepsItsCountdown) {
    window.Slow.setEnabled(true);
    rig.advance(60);
    window.Slow.setEnabled(true);
    rig.advance(40);
    EXPECT_EQ(slowTicks, 1);
}

TEST_F(Timers, ANewIntervalRestartsTheCountdown) {
    window.Slow.setEnabled(true);
    rig.advance(90);
    window.Slow.setInterval(100);
    rig.advance(90);
    EXPECT_EQ(slowTicks, 0);
    rig.advance(10);
    EXPECT_EQ(slowTicks, 1);
}

TEST_F(Timers, ADisabledOrZeroIntervalTimerNeverTicks) {
    window.Slow.setInterval(0);
    window.Slow.setEnabled(true);
    window.Fast.setEnabled(true);
    window.Fast.setEnabled(false);
    rig.advance(1000);
    EXPECT_EQ(slowTicks, 0);
    EXPECT_EQ(fastTicks, 0);
}

TEST_F(Timers, TimersDueTogetherFireInTheOrderTheyWereArmed) {
    std::vector<std::string> order;
    window.onFast = [&] { order.push_back("Fast"); };
    window.onSlow = [&] { order.push_back("Slow"); };
    window.Slow.setInterval(16);
    window.Slow.setEnabled(true);
    window.Fast.setEnabled(true);
    rig.advance(16);
    // Re-arming Fast first puts it first at the next common moment.
    window.Fast.setInterval(1);
    window.Slow.setInterval(16);
    rig.advance(16);
    EXPECT_EQ(order, (std::vector<std::string>{"Slow", "Fast", "Fast", "Slow"}));
}

TEST_F(Timers, AHandlerWaitingInAMessageBoxLetsOtherTimersTickButNotItself) {
    window.onSlow = [&] {
        ++slowTicks;
        rig.program.message("wait");
    };
    rig.messages.onShow = [&](const std::string&) { rig.advance(500); };
    window.Slow.setEnabled(true);
    window.Fast.setEnabled(true);
    rig.advance(100);
    EXPECT_EQ(slowTicks, 1);
    EXPECT_GE(fastTicks, 30);
}

TEST_F(Timers, UnloadStopsEveryTimerAndReloadStartsThemFromTheLayout) {
    window.Slow.setEnabled(true);
    window.unload();
    rig.advance(1000);
    EXPECT_EQ(slowTicks, 0);
    window.load();
    EXPECT_FALSE(window.Slow.enabled());
    window.Slow.setEnabled(true);
    rig.advance(100);
    EXPECT_EQ(slowTicks, 1);
}

}  // namespace
