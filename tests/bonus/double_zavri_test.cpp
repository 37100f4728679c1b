#include <cstdint>
#include <utility>

#include "bonus_rig.h"

namespace bonus_tests {
namespace {

// The marker jumps every 50 ms: tick 2k - 1 lights "Lose" of phase k, tick 2k its multiplier,
// when each phase is won at its first chance.
constexpr int kTick = 50;

class DoubleZavriTest : public BonusTest {
protected:
    // Stops on the phase's multiplier at its first chance with Space held down: the repeat finds
    // the next phase still dark and passes nothing more.
    void winPhase() {
        rig.advance(2 * kTick);
        doubleZavri.keyDown(ui::key::kSpace);
        doubleZavri.keyDown(ui::key::kSpace);
    }
};

// A stake of 10 adds 1200; wins past the 16- and 32-bit ranges are added exactly. Each game
// after the first opens the window again after a full win: it starts again at phase 1.
TEST_F(DoubleZavriTest, FivePhasesMultiplyTheStakeBy120AndPayItOnTheNextTick) {
    for (const std::int64_t stake : {10LL, 274LL, 100000000LL}) {
        SCOPED_TRACE(stake);
        open(doubleZavri, std::to_string(stake), "25");
        EXPECT_EQ(shownMarkers(doubleZavri.BB), Rows{0}) << "only the first Lose is lit";
        for (const std::int64_t prize : {1, 2, 6, 24, 120}) {
            winPhase();
            EXPECT_EQ(doubleZavri.Premio.caption(), std::to_string(stake * prize));
        }
        doubleZavri.Label4.click();  // a Stop after the fifth win does nothing
        EXPECT_EQ(doubleZavri.Premio.caption(), std::to_string(stake * 120));
        EXPECT_EQ(machine.Credits.caption(), "25") << "paid on the next tick, not at the Stop";

        rig.advance(kTick);
        expectEnded(doubleZavri, std::to_string(25 + 120 * stake), {"Bingo"});
    }
}

// Lose is lit from the layout and again by the first tick, so a Stop that early loses at once.
// The second game starts with the marker on Lose again although the first lost on that tick.
TEST_F(DoubleZavriTest, StoppingOnLoseLosesEverythingAndClosesAtOnce) {
    for (const auto& [phasesWon, lit] : {std::pair{0, Rows{0}}, std::pair{3, Rows{1, 3, 5, 6}}}) {
        SCOPED_TRACE(phasesWon);
        open(doubleZavri, "10", "25");
        for (int phase = 0; phase < phasesWon; ++phase) {
            winPhase();
        }
        rig.advance(kTick);
        EXPECT_EQ(shownMarkers(doubleZavri.BB), lit) << "the way down stays lit";
        doubleZavri.Label4.click();
        EXPECT_EQ(doubleZavri.Premio.caption(), "0");
        EXPECT_TRUE(doubleZavri.Label4.visible()) << "the window closes on the next timer tick";
        rig.advance(16);
        expectEnded(doubleZavri, "25", {"BL2"});
    }
}

}  // namespace
}  // namespace bonus_tests
