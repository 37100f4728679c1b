#include "bonus_rig.h"

namespace bonus_tests {
namespace {

class HorseRacingTest : public BonusTest {
protected:
    // One Go! whose step is 200 or 100 and whose new opponents' interval is intervalMs.
    void go(int step, int intervalMs = 100) {
        rig.random.pushDraw(step == 100 ? 0 : 1, 5);
        rig.random.pushDraw(intervalMs - 1, 1200);
        horses.Label4.click();
    }
    void goToTheLastStretch() {  // "You" at 5520
        for (int click = 0; click < 27; ++click) {
            go(200);
        }
    }
};

TEST_F(HorseRacingTest, YouPassingTheFinishLinePaysTheStakeOnce) {
    open(horses, "5", "20");
    goToTheLastStretch();
    go(100);
    EXPECT_EQ(horses.Label1.left(), 5620);
    EXPECT_TRUE(horses.loaded()) << "on the line is not past it";

    go(100);
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"You Win 5 bets"});
    EXPECT_EQ(credits(), "25");
    EXPECT_FALSE(horses.loaded());
    EXPECT_TRUE(machine.takesInput());
    EXPECT_EQ(soundsSinceOpening(), std::vector<std::string>{"None"});
}

TEST_F(HorseRacingTest, ATickDuringTheWinMessageChangesNothing) {
    open(horses, "5", "20");
    goToTheLastStretch();
    ui::Twips horseADuringMessage = 0;
    rig.messages.onShow = [&](const std::string&) {
        rig.advance(5000);
        horseADuringMessage = horses.Label2.left();
    };
    go(200, 16);
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"You Win 5 bets"});
    EXPECT_EQ(horseADuringMessage, 120);
    EXPECT_EQ(credits(), "25");
    EXPECT_EQ(soundsSinceOpening(), std::vector<std::string>{"None"});
}

TEST_F(HorseRacingTest, WithNoClickHorseAWinsAndNothingIsPaid) {
    open(horses, "5", "20");
    for (int tick = 0; tick < 10; ++tick) {
        rig.random.pushDraw(tick == 0 ? 0 : 4, 5);  // A: 300 once, then 600
        rig.random.pushDraw(tick == 0 ? 0 : 4, 5);  // B: 100 once, then 200
    }
    rig.advance(900);
    EXPECT_EQ(horses.Label2.left(), 120 + 300 + 8 * 600);
    EXPECT_EQ(horses.Label3.left(), 120 + 100 + 8 * 200);

    rig.messages.onShow = [&](const std::string&) { rig.advance(3000); };
    rig.advance(100);
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"Horse A"});
    EXPECT_EQ(credits(), "20");
    EXPECT_FALSE(horses.loaded());
    EXPECT_TRUE(machine.takesInput());
    EXPECT_EQ(soundsSinceOpening(), (std::vector<std::string>{"Horse", "None"}));
}

TEST_F(HorseRacingTest, EveryGoRestartsTheOpponentsCountdownWithItsDrawnInterval) {
    open(horses, "5");
    rig.advance(90);
    go(200, 1200);
    rig.random.pushDraw(4, 5);
    rig.random.pushDraw(4, 5);
    rig.advance(1199);
    EXPECT_EQ(horses.Label2.left(), 120) << "no opponent moves for 1.2 seconds";
    rig.advance(1);
    EXPECT_EQ(horses.Label2.left(), 720);
}

}  // namespace
}  // namespace bonus_tests
