#include <tuple>

#include "bonus_rig.h"

namespace bonus_tests {
namespace {

using HighOrLowTest = BonusTest;

// The number is drawn 50 ms after opening; a choice before that compares with the "0" on show,
// whatever the game before left in ShownNumber, so Low always loses then. The keypad digits choose
// nothing; 1 (High) and 2 (Low) of the main row choose once.
TEST_F(HighOrLowTest, TheGuessIsJudgedAgainstTheNextNumberWithEqualCountingAsRight) {
    for (const auto& [shown, next, key, message, paid] :
         {std::tuple{400, 400, ui::key::kDigit1, "You Win", "36"},
          std::tuple{400, 400, ui::key::kDigit2, "You Win", "36"},
          std::tuple{1000, 999, ui::key::kDigit1, "You Lose", "30"},
          std::tuple{0, 1, ui::key::kDigit2, "You Lose", "30"}}) {  // chosen before the draw
        SCOPED_TRACE(std::to_string(shown) + " then " + std::to_string(next));
        open(highLow, "6", "30");
        rig.advance(49);
        EXPECT_EQ(highLow.AA[0].caption(), "0");
        if (shown > 0) {
            rig.random.pushDraw(shown - 1, 1000);
            rig.advance(1);
            EXPECT_EQ(highLow.AA[0].caption(), std::to_string(shown));
        }
        highLow.keyDown(ui::key::kKeypad0 + 1);
        rig.random.pushDraw(next - 1, 1000);
        highLow.keyDown(key);
        highLow.keyDown(ui::key::kDigit1);
        highLow.keyDown(ui::key::kDigit2);
        EXPECT_EQ(rig.messages.shown, Texts{message});
        EXPECT_EQ(highLow.AA[0].caption(), "The number was " + std::to_string(next));
        EXPECT_EQ(machine.Credits.caption(), paid);
        rig.advance(1999);
        EXPECT_TRUE(highLow.loaded());
        rig.advance(1);
        expectEnded(highLow, paid, {"None"});
    }
}

}  // namespace
}  // namespace bonus_tests
