#include "bonus_rig.h"

namespace bonus_tests {
namespace {

// The marker jumps every 50 ms: tick 2k - 1 lights "Lose" of phase k, tick 2k its multiplier,
// when each phase is won at its first chance.
constexpr int kTick = 50;

class DoubleZavriTest : public BonusTest {
protected:
    // Wins the next phases, each stopped on its multiplier at the first chance.
    void winPhases(int phases) {
        for (int i = 0; i < phases; ++i) {
            const int phase = std::stoi(doubleZavri.Fase.text());
            rig.advance(2 * kTick);
            ASSERT_TRUE(doubleZavri.BB[2 * phase - 1].visible());
            press(doubleZavri, ui::key::kSpace);
        }
    }
};

TEST_F(DoubleZavriTest, FivePhasesWithStakeTenAddTwelveHundred) {
    open(doubleZavri, "10", "25");
    const char* prizes[] = {"10", "20", "60", "240", "1200"};
    for (int phase = 1; phase <= 5; ++phase) {
        winPhases(1);
        EXPECT_EQ(doubleZavri.Premio.caption(), prizes[phase - 1]);
        EXPECT_EQ(doubleZavri.Fase.text(), std::to_string(phase + 1));
    }
    EXPECT_EQ(credits(), "25") << "paid on the next tick, not at the Stop";
    for (int cell : {1, 3, 5, 7, 9}) {
        EXPECT_TRUE(doubleZavri.BB[cell].visible()) << "the way down stays lit";
    }

    press(doubleZavri, ui::key::kSpace);
    EXPECT_EQ(doubleZavri.Premio.caption(), "1200") << "a Stop after the fifth win does nothing";

    rig.advance(kTick);
    EXPECT_EQ(credits(), "1225");
    EXPECT_FALSE(doubleZavri.loaded());
    EXPECT_TRUE(machine.takesInput());
    EXPECT_EQ(soundsSinceOpening(), std::vector<std::string>{"Bingo"});
}

TEST_F(DoubleZavriTest, BigWinsAreAddedExactly) {
    for (const auto& [stake, total] :
         {std::pair{"274", "32890"}, std::pair{"100000000", "12000000010"}}) {
        SCOPED_TRACE(stake);
        open(doubleZavri, stake, "10");
        winPhases(5);
        rig.advance(kTick);
        EXPECT_EQ(credits(), total);
    }
}

TEST_F(DoubleZavriTest, AStopBeforeTheSecondTickLosesAtOnce) {
    open(doubleZavri, "10", "25");
    EXPECT_TRUE(doubleZavri.BB[0].visible()) << "Lose is lit from the start";
    rig.advance(kTick);
    EXPECT_TRUE(doubleZavri.BB[0].visible()) << "and again by the first tick";
    doubleZavri.Label4.click();
    EXPECT_EQ(doubleZavri.Premio.caption(), "0");
    EXPECT_TRUE(doubleZavri.Label4.visible());

    rig.advance(15);
    EXPECT_TRUE(doubleZavri.loaded());
    rig.advance(1);
    EXPECT_FALSE(doubleZavri.loaded());
    EXPECT_EQ(credits(), "25");
    EXPECT_TRUE(machine.takesInput());
    EXPECT_EQ(soundsSinceOpening(), std::vector<std::string>{"BL2"});
}

TEST_F(DoubleZavriTest, LosingALaterPhaseLosesEverything) {
    open(doubleZavri, "10", "25");
    winPhases(3);
    rig.advance(kTick);
    ASSERT_TRUE(doubleZavri.BB[6].visible());
    doubleZavri.Label4.click();
    EXPECT_EQ(doubleZavri.Premio.caption(), "0");
    rig.advance(16);
    EXPECT_FALSE(doubleZavri.loaded());
    EXPECT_EQ(credits(), "25");
}

TEST_F(DoubleZavriTest, ARepeatedSpacePassesOnlyThePhaseOnShow) {
    open(doubleZavri, "10");
    rig.advance(2 * kTick);
    press(doubleZavri, ui::key::kSpace);
    press(doubleZavri, ui::key::kSpace);
    press(doubleZavri, ui::key::kSpace);
    EXPECT_EQ(doubleZavri.Fase.text(), "2");
    EXPECT_EQ(doubleZavri.Premio.caption(), "10");
    EXPECT_TRUE(doubleZavri.loaded());
}

TEST_F(DoubleZavriTest, ReopeningStartsAgainAtPhaseOne) {
    open(doubleZavri, "10");
    winPhases(2);
    rig.advance(kTick);
    doubleZavri.keyPress(ui::key::kEscape);

    open(doubleZavri, "10");
    EXPECT_EQ(doubleZavri.Fase.text(), "1");
    EXPECT_EQ(doubleZavri.BlinkState, 0);
    EXPECT_EQ(shownMarker(doubleZavri.BB), 0);
    EXPECT_FALSE(doubleZavri.Fine.enabled());
}

}  // namespace
}  // namespace bonus_tests
