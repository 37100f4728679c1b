#include "bonus_rig.h"

namespace bonus_tests {
namespace {

constexpr int kTick = 16;

class DoubleBetTest : public BonusTest {};

TEST_F(DoubleBetTest, EveryWinRowPaysTheStakeOnceAndEveryLoseRowNothing) {
    for (int row = 0; row < 10; ++row) {
        SCOPED_TRACE(row);
        open(doubleBet, "3", "12");
        rig.advance((row + 1) * kTick);
        ASSERT_EQ(shownMarker(doubleBet.BB), row);
        press(doubleBet, ui::key::kSpace);
        EXPECT_EQ(credits(), row % 2 == 0 ? "15" : "12");
        EXPECT_EQ(soundsSinceOpening(), std::vector<std::string>{"Ladder2"});
        rig.advance(2000);
        EXPECT_FALSE(doubleBet.loaded());
    }
}

TEST_F(DoubleBetTest, StopDoesNothingBeforeTheFirstMarkerOrOnTheBlankTick) {
    open(doubleBet, "3", "12");
    press(doubleBet, ui::key::kSpace);
    EXPECT_TRUE(doubleBet.Label4.visible());

    rig.advance(11 * kTick);
    ASSERT_EQ(shownMarker(doubleBet.BB), -1);
    doubleBet.Label4.click();
    EXPECT_TRUE(doubleBet.Label4.visible());
    EXPECT_FALSE(doubleBet.Fine.enabled());

    rig.advance(3 * kTick);
    doubleBet.Label4.click();
    EXPECT_EQ(credits(), "15");
}

}  // namespace
}  // namespace bonus_tests
