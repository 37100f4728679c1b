#include <array>

#include "bonus/bonus_frame.h"
#include "bonus_rig.h"

namespace bonus_tests {
namespace {

class FrameTest : public BonusTest {};

TEST_F(FrameTest, EscapeLeavesEveryGameAtOnceWithNoPrizeAndGivesTheMachineBack) {
    const std::array<quirvanto::BonusWindow*, 5> games{&horses, &ladder, &highLow, &doubleBet,
                                                       &doubleZavri};
    for (quirvanto::BonusWindow* game : games) {
        SCOPED_TRACE(game->name());
        open(*game, "50", "20");
        EXPECT_FALSE(machine.takesInput());
        rig.advance(30);
        game->keyPress(ui::key::kEscape);
        EXPECT_FALSE(game->loaded());
        EXPECT_TRUE(machine.takesInput());
        EXPECT_TRUE(rig.messages.shown.empty());
        EXPECT_EQ(rig.sound.count("None"), 0) << "ESC does not cut off the sound";
        rig.advance(5000);
        EXPECT_EQ(credits(), "20");
    }
}

TEST_F(FrameTest, TheMachineRefusesItsCloseBoxWhileABonusGameIsOpen) {
    open(doubleBet, "5");
    machine.requestClose();
    EXPECT_TRUE(machine.loaded());
    EXPECT_TRUE(doubleBet.loaded()) << "the game in progress is kept";

    doubleBet.keyPress(ui::key::kEscape);
    machine.requestClose();
    EXPECT_FALSE(machine.loaded());
}

TEST_F(FrameTest, AWinIsPaidAtTheDecisionAndTheWindowClosesTwoSecondsLater) {
    open(doubleBet, "3", "12");
    rig.advance(16);  // row 0, "Win"
    press(doubleBet, ui::key::kSpace);
    EXPECT_EQ(credits(), "15");
    press(doubleBet, ui::key::kSpace);
    doubleBet.Label4.click();
    EXPECT_EQ(rig.sound.count("Ladder2"), 1) << "no second decision once Stop is hidden";

    rig.advance(1999);
    EXPECT_TRUE(doubleBet.loaded());
    EXPECT_FALSE(machine.takesInput());
    rig.advance(1);
    EXPECT_FALSE(doubleBet.loaded());
    EXPECT_TRUE(machine.takesInput());
    EXPECT_EQ(soundsSinceOpening().back(), "None");
    EXPECT_EQ(credits(), "15");
}

TEST_F(FrameTest, EscapeAfterAWinKeepsThePrize) {
    open(ladder, "10", "25");
    rig.advance(16 * 5);  // rung 4, "x 4"
    ladder.Label4.click();
    ladder.keyPress(ui::key::kEscape);
    EXPECT_FALSE(ladder.loaded());
    rig.advance(3000);
    EXPECT_EQ(credits(), "65");
}

TEST_F(FrameTest, PrizesThatAreNotNumbersOrTooLargeNeverCorruptTheCredits) {
    open(doubleBet, "many", "12");
    rig.advance(16);
    doubleBet.Label4.click();
    EXPECT_EQ(credits(), "12");
    rig.advance(2000);
    EXPECT_FALSE(doubleBet.loaded()) << "the game still ends";

    open(ladder, "9223372036854775807", "25");
    rig.advance(16);  // rung 0, "x 6"
    ladder.Label4.click();
    EXPECT_EQ(credits(), "9223372036854775807");
}

TEST_F(FrameTest, ReopeningShowsTheDesignStateAgain) {
    open(ladder, "10");
    rig.advance(16 * 5);
    ladder.Label4.click();
    ladder.keyPress(ui::key::kEscape);

    ladder.load();
    ladder.show();
    EXPECT_EQ(ladder.Premio.caption(), "0") << "until the machine copies the stake";
    EXPECT_EQ(shownMarker(ladder.BB), -1);
    EXPECT_TRUE(ladder.Label4.visible());
    EXPECT_TRUE(ladder.Suono.enabled());
    EXPECT_FALSE(ladder.Fine.enabled());
    rig.advance(16);
    EXPECT_EQ(shownMarker(ladder.BB), 0) << "the marker starts again at the top";
}

TEST_F(FrameTest, HoldingSpaceDownGivesOneActionPerRepeat) {
    open(horses, "5");
    for (int repeat = 0; repeat < 3; ++repeat) {
        rig.random.pushDraw(1, 5);      // a step of 200
        rig.random.pushDraw(99, 1200);  // the opponents' next step in 100 ms
        press(horses, ui::key::kSpace);
    }
    EXPECT_EQ(horses.Label1.left(), 120 + 3 * 200);
}

}  // namespace
}  // namespace bonus_tests
