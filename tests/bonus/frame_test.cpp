#include <utility>

#include "bonus_rig.h"

namespace bonus_tests {
namespace {

// ESC leaves at once, keeping what a Stop already paid (Ladder "x 6", Double Bet "Win"); Double
// Zavri's Stop on its first Lose, a Go! and a Space in High or Low pay nothing. Closing the machine
// while a game is open would lose the game: the machine refuses it until it takes input again.
TEST_F(BonusTest, EscapeLeavesEveryGameAtOnceAndTheMachineStaysOpenMeanwhile) {
    const std::pair<quirvanto::BonusWindow*, std::string_view> games[] = {
        {&horses, "0"}, {&ladder, "300"}, {&highLow, "0"}, {&doubleBet, "50"}, {&doubleZavri, "0"}};
    for (const auto& [game, paid] : games) {
        SCOPED_TRACE(game->name());
        open(*game, "50", "0");
        rig.advance(30);
        game->keyDown(ui::key::kSpace);
        machine.requestClose();
        EXPECT_TRUE(machine.loaded() && game->loaded());
        game->keyPress(ui::key::kEscape);
        EXPECT_FALSE(game->loaded());
        EXPECT_TRUE(machine.takesInput());
        EXPECT_TRUE(rig.messages.shown.empty());
        EXPECT_EQ(rig.sound.count("None"), 0) << "ESC does not cut off the sound";
        EXPECT_EQ(machine.Credits.caption(), paid);
    }
}

}  // namespace
}  // namespace bonus_tests
