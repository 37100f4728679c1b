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

TEST_F(HorseRacingTest, YouPassingTheFinishLinePaysTheStakeOnceWhateverTicksDuringTheMessage) {
    open(horses, "5", "20");
    for (int repeat = 0; repeat < 27; ++repeat) {
        nextGo(200);
        horses.keyDown(ui::key::kSpace);
    }
    EXPECT_EQ(horses.Label1.left(), 5520) << "Space held down: one Go! per repeat";

    rig.advance(90);
    nextGo(100, 1200);
    horses.Label4.click();
    EXPECT_TRUE(horses.loaded()) << "5620 is on the line, not past it";
    rig.random.pushDraw(4, 5);
    rig.random.pushDraw(4, 5);
    rig.advance(1199);
    EXPECT_EQ(horses.Label2.left(), 120) << "the Go! restarted the opponents' countdown";
    rig.advance(1);
    EXPECT_EQ(horses.Label2.left(), 720);

    ui::Twips horseADuringMessage = 0;
    rig.messages.onShow = [&](const std::string&) {
        rig.advance(5000);
        horseADuringMessage = horses.Label2.left();
    };
    nextGo(100, 16);
    horses.Label4.click();
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"You Win 5 bets"});
    EXPECT_EQ(horseADuringMessage, 720) << "the race stopped before the message";
    EXPECT_EQ(credits(), "25");
    EXPECT_FALSE(horses.loaded());
    EXPECT_EQ(sounds(), (std::vector<std::string>{"Horse", "None"}));
}

TEST_F(HorseRacingTest, WithNoClickHorseAWinsAndNothingIsPaid) {
    open(horses, "5", "20");
    for (int tick = 0; tick < 10; ++tick) {
        rig.random.pushDraw(tick == 0 ? 0 : 4, 5);  // A: 300 once, then 600
        rig.random.pushDraw(tick == 0 ? 0 : 4, 5);  // B: 100 once, then 200
    }
    rig.advance(999);
    EXPECT_EQ(horses.Label3.left(), 120 + 100 + 8 * 200);
    rig.messages.onShow = [&](const std::string&) { rig.advance(3000); };
    rig.advance(1);  // A reaches 120 + 300 + 9 * 600, past the line
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"Horse A"});
    EXPECT_EQ(credits(), "20");
    EXPECT_FALSE(horses.loaded());
    EXPECT_EQ(sounds(), (std::vector<std::string>{"Horse", "None"}));
}

}  // namespace
}  // namespace bonus_tests
