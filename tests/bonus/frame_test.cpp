#include "bonus_rig.h"

namespace bonus_tests {
namespace {

class FrameTest : public BonusTest {};

// Closing the machine while a game is open would lose the game: the machine refuses it.
TEST_F(FrameTest, EscapeLeavesEveryGameWithNoPrizeAndTheMachineStaysOpenMeanwhile) {
    quirvanto::BonusWindow* const games[] = {&horses, &ladder, &highLow, &doubleBet, &doubleZavri};
    for (quirvanto::BonusWindow* game : games) {
        SCOPED_TRACE(game->name());
        open(*game, "50", "20");
        rig.advance(30);
        machine.requestClose();
        EXPECT_TRUE(machine.loaded());
        EXPECT_TRUE(game->loaded());
        game->keyPress(ui::key::kEscape);
        EXPECT_FALSE(game->loaded());
        EXPECT_TRUE(machine.takesInput());
        EXPECT_TRUE(rig.messages.shown.empty());
        EXPECT_EQ(rig.sound.count("None"), 0) << "ESC does not cut off the sound";
        rig.advance(5000);
        EXPECT_EQ(credits(), "20");
    }
    machine.requestClose();
    EXPECT_FALSE(machine.loaded());
}

}  // namespace
}  // namespace bonus_tests
