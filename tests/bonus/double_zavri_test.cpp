#include <cstdint>

#include "bonus_rig.h"

namespace bonus_tests {
namespace {

// The marker jumps every 50 ms: tick 2k - 1 lights "Lose" of phase k, tick 2k its multiplier,
// when each phase is won at its first chance.
constexpr int kTick = 50;

class DoubleZavriTest : public BonusTest {
protected:
    // Wins the next phases, each stopped on its multiplier at the first chance with Space held
    // down: the repeat finds the next phase still dark and passes nothing more.
    void winPhases(int phases) {
        for (int i = 0; i < phases; ++i) {
            const int phase = std::stoi(doubleZavri.Fase.text());
            rig.advance(2 * kTick);
            ASSERT_TRUE(doubleZavri.BB[2 * phase - 1].visible());
            doubleZavri.keyDown(ui::key::kSpace);
            doubleZavri.keyDown(ui::key::kSpace);
        }
    }
};

// A stake of 10 adds 1200; wins past the 16- and 32-bit ranges are added exactly. Each game
// after the first opens the window again after a full win: it starts again at phase 1.
TEST_F(DoubleZavriTest, FivePhasesMultiplyTheStakeBy120AndPayItOnTheNextTick) {
    const std::int64_t prizeAfterPhase[] = {1, 2, 6, 24, 120};
    for (const std::int64_t stake : {10LL, 274LL, 100000000LL}) {
        SCOPED_TRACE(stake);
        open(doubleZavri, std::to_string(stake), "25");
        EXPECT_EQ(shownMarker(doubleZavri.BB), 0) << "only the first Lose is lit";
        for (int phase = 1; phase <= 5; ++phase) {
            winPhases(1);
            EXPECT_EQ(doubleZavri.Premio.caption(),
                      std::to_string(stake * prizeAfterPhase[phase - 1]));
            EXPECT_EQ(doubleZavri.Fase.text(), std::to_string(phase + 1));
        }
        EXPECT_EQ(credits(), "25") << "paid on the next tick, not at the Stop";
        for (int cell : {1, 3, 5, 7, 9}) {
            EXPECT_TRUE(doubleZavri.BB[cell].visible()) << "the way down stays lit";
        }
        doubleZavri.Label4.click();
        EXPECT_EQ(doubleZavri.Fase.text(), "6") << "a Stop after the fifth win does nothing";

        rig.advance(kTick);
        EXPECT_EQ(credits(), std::to_string(25 + 120 * stake));
        EXPECT_FALSE(doubleZavri.loaded());
        EXPECT_EQ(sounds(), std::vector<std::string>{"Bingo"});
    }
}

// Lose is lit from the layout and again by the first tick, so a Stop that early loses at once.
// The second game starts with the marker on Lose again although the first lost on that tick.
TEST_F(DoubleZavriTest, StoppingOnLoseLosesEverythingAndClosesAtOnce) {
    for (const int phasesWon : {0, 3}) {
        SCOPED_TRACE(phasesWon);
        open(doubleZavri, "10", "25");
        winPhases(phasesWon);
        rig.advance(kTick);
        ASSERT_TRUE(doubleZavri.BB[2 * phasesWon].visible());
        doubleZavri.Label4.click();
        EXPECT_EQ(doubleZavri.Premio.caption(), "0");
        EXPECT_TRUE(doubleZavri.Label4.visible()) << "the window closes on the next timer tick";
        rig.advance(16);
        EXPECT_FALSE(doubleZavri.loaded());
        EXPECT_EQ(credits(), "25");
        EXPECT_EQ(sounds(), std::vector<std::string>{"BL2"});
    }
}

}  // namespace
}  // namespace bonus_tests
