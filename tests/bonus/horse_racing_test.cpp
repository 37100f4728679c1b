#include "bonus_rig.h"

namespace bonus_tests {
namespace {

class HorseRacingTest : public BonusTest {
protected:
    // Scripts one Go!: a step of 200 or 100, then the opponents' new interval.
    void nextGo(int step, int intervalMs = 100) {
        rig.random.pushDraw(step == 100 ? 0 : 1, 5);
        rig.random.pushDraw(intervalMs - 1, 1200);
    }
};

// Space held down gives one Go! per repeat, and every Go! draws the opponents' next interval,
// restarting their countdown. The race stops before its end message: one still running while the
// player reads it would end again with "Horse A". The second race starts again from the gate.
TEST_F(HorseRacingTest, TheFirstPastTheFinishLineWinsAndOnlyYourWinPaysTheStake) {
    rig.messages.onShow = [&](const std::string&) { rig.advance(5000); };
    open(horses, "5", "20");
    for (int repeat = 0; repeat < 27; ++repeat) {
        nextGo(200);
        horses.keyDown(ui::key::kSpace);
    }
    EXPECT_EQ(horses.Label1.left(), 5520);
    rig.advance(90);
    nextGo(100, 1200);
    horses.Label4.click();  // 5620 is on the finish line, not past it
    rig.random.pushDraw(4, 5);
    rig.random.pushDraw(4, 5);
    rig.advance(1199);
    EXPECT_EQ(horses.Label2.left(), 120);
    rig.advance(1);
    EXPECT_EQ(horses.Label2.left(), 720);
    nextGo(100, 16);
    horses.Label4.click();
    EXPECT_EQ(rig.messages.shown, Texts{"You Win 5 bets"});
    expectEnded(horses, "25", {"Horse", "None"});

    open(horses, "5", "20");
    for (int draw = 0; draw < 20; ++draw) {
        rig.random.pushDraw(draw < 2 ? 0 : 4, 5);  // A 300 and B 100 once, then 600 and 200
    }
    rig.advance(999);
    EXPECT_EQ(horses.Label3.left(), 120 + 100 + 8 * 200);
    rig.advance(1);  // A reaches 120 + 300 + 9 * 600, past the line
    EXPECT_EQ(rig.messages.shown, Texts{"Horse A"});
    expectEnded(horses, "20", {"Horse", "None"});
}

}  // namespace
}  // namespace bonus_tests
