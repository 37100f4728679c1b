#include <tuple>

#include "bonus_rig.h"

namespace bonus_tests {
namespace {

class HighOrLowTest : public BonusTest {
protected:
    void nextNumber(int next) { rig.random.pushDraw(next - 1, 1000); }
};

// Space and the keypad digits choose nothing; 1 (High) and 2 (Low) of the main row choose once.
TEST_F(HighOrLowTest, TheGuessIsJudgedAgainstTheNextNumberWithEqualCountingAsRight) {
    using ui::key::kDigit1, ui::key::kDigit2;
    for (const auto& [shown, next, key, message, paid] :
         {std::tuple{400, 400, kDigit1, "You Win", "36"},
          std::tuple{400, 400, kDigit2, "You Win", "36"},
          std::tuple{1000, 999, kDigit1, "You Lose", "30"},
          std::tuple{1, 2, kDigit2, "You Lose", "30"}}) {
        SCOPED_TRACE(std::to_string(shown) + " then " + std::to_string(next));
        open(highLow, "6", "30");
        rig.random.pushDraw(shown - 1, 1000);
        rig.advance(49);
        EXPECT_EQ(highLow.AA[0].caption(), "0");
        rig.advance(1);
        EXPECT_EQ(highLow.AA[0].caption(), std::to_string(shown));
        highLow.keyDown(ui::key::kSpace);
        highLow.keyDown(ui::key::kKeypad0 + 1);

        rig.messages.shown.clear();
        nextNumber(next);
        highLow.keyDown(key);
        highLow.keyDown(kDigit1);
        highLow.keyDown(kDigit2);
        EXPECT_EQ(rig.messages.shown, std::vector<std::string>{message});
        EXPECT_EQ(highLow.AA[0].caption(), "The number was " + std::to_string(next));
        EXPECT_EQ(credits(), paid);
        rig.advance(1999);
        EXPECT_TRUE(highLow.loaded());
        rig.advance(1);
        EXPECT_FALSE(highLow.loaded());
        EXPECT_EQ(sounds(), std::vector<std::string>{"None"});
    }
}

// Before the draw "0" is on show, whatever an earlier game left in ShownNumber: Low always loses.
TEST_F(HighOrLowTest, AChoiceBeforeTheDrawComparesWithTheZeroOnShow) {
    highLow.ShownNumber = 500;
    open(highLow, "6", "30");
    nextNumber(1);
    highLow.Label1.click();
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"You Lose"});
    EXPECT_EQ(credits(), "30");
}

}  // namespace
}  // namespace bonus_tests
