#include "bonus_rig.h"

namespace bonus_tests {
namespace {

// The marker steps at the fastest timer rate: one rung every 16 ms.
constexpr int kTick = 16;

class LadderTest : public BonusTest {};

TEST_F(LadderTest, EachMultiplierRungPaysItsMultipleAndTheOthersNothing) {
    const int multiplier[10] = {6, 0, 5, 0, 4, 0, 3, 0, 2, 0};
    for (int rung = 0; rung < 10; ++rung) {
        SCOPED_TRACE(rung);
        open(ladder, "10", "25");
        rig.advance((rung + 1) * kTick);
        ladder.Label4.click();
        EXPECT_EQ(credits(), std::to_string(25 + 10 * multiplier[rung]));  // rung 4: 65
        rig.advance(1999);
        EXPECT_EQ(shownMarker(ladder.BB), rung) << "the marker stays where it stopped";
        rig.advance(1);
        EXPECT_FALSE(ladder.loaded());
        EXPECT_EQ(soundsSinceOpening(), (std::vector<std::string>{"Ladder2", "None"}));
    }
}

TEST_F(LadderTest, StopDoesNothingBeforeTheFirstMarkerOrOnTheBlankTick) {
    open(ladder, "10", "25");
    ladder.Label4.click();
    rig.advance(kTick - 1);
    press(ladder, ui::key::kSpace);
    EXPECT_TRUE(ladder.Label4.visible());

    rig.advance(1 + 9 * kTick);
    EXPECT_EQ(shownMarker(ladder.BB), 9);
    rig.advance(kTick);
    ASSERT_EQ(shownMarker(ladder.BB), -1);
    ladder.Label4.click();
    EXPECT_TRUE(ladder.Label4.visible());
    EXPECT_EQ(rig.sound.count("Ladder2"), 0);

    rig.advance(kTick);
    EXPECT_EQ(shownMarker(ladder.BB), 0) << "the marker goes on at the top";
    press(ladder, ui::key::kSpace);
    EXPECT_EQ(credits(), "85");
}

}  // namespace
}  // namespace bonus_tests
