#include "bonus_rig.h"

namespace bonus_tests {
namespace {

class HighOrLowTest : public BonusTest {
protected:
    // Opens the game and lets it draw the shown number, 50 ms after opening.
    void openShowing(int shown, std::string_view stake, std::string_view credits) {
        open(highLow, stake, credits);
        rig.random.pushDraw(shown - 1, 1000);
        rig.advance(49);
        EXPECT_EQ(highLow.AA[0].caption(), "0");
        rig.advance(1);
        EXPECT_EQ(highLow.AA[0].caption(), std::to_string(shown));
    }
    void nextNumber(int next) { rig.random.pushDraw(next - 1, 1000); }
};

TEST_F(HighOrLowTest, AnEqualNumberIsARightGuessEitherWay) {
    for (const int key : {ui::key::kDigit1, ui::key::kDigit2}) {
        SCOPED_TRACE(key);
        openShowing(400, "6", "30");
        std::string lineDuringMessage;
        rig.messages.onShow = [&](const std::string&) {
            lineDuringMessage = highLow.AA[0].caption();
        };
        rig.messages.shown.clear();
        nextNumber(400);
        press(highLow, key);
        EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"You Win"});
        EXPECT_EQ(lineDuringMessage, "400") << "the result line follows the message";
        EXPECT_EQ(highLow.AA[0].caption(), "The number was 400");
        EXPECT_EQ(credits(), "36");
        rig.advance(1999);
        EXPECT_TRUE(highLow.loaded());
        rig.advance(1);
        EXPECT_FALSE(highLow.loaded());
        EXPECT_TRUE(machine.takesInput());
    }
}

TEST_F(HighOrLowTest, AWrongGuessLosesTheStake) {
    openShowing(1000, "6", "30");
    nextNumber(999);
    highLow.Label4.click();
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"You Lose"});
    EXPECT_EQ(highLow.AA[0].caption(), "The number was 999");
    rig.advance(2000);

    openShowing(1, "6", "30");
    nextNumber(2);
    highLow.Label1.click();
    EXPECT_EQ(rig.messages.shown.back(), "You Lose");
    rig.advance(2000);
    EXPECT_EQ(credits(), "30");
    EXPECT_EQ(soundsSinceOpening().back(), "None");
}

TEST_F(HighOrLowTest, AChoiceBeforeTheDrawComparesWithZero) {
    open(highLow, "6", "30");
    nextNumber(1);
    press(highLow, ui::key::kDigit1);
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"You Win"});
    EXPECT_EQ(credits(), "36");
    highLow.keyPress(ui::key::kEscape);

    highLow.ShownNumber = 500;  // left from an earlier game: the number on show counts
    open(highLow, "6", "30");
    nextNumber(1);
    press(highLow, ui::key::kDigit2);
    EXPECT_EQ(rig.messages.shown.back(), "You Lose");
    EXPECT_EQ(credits(), "30");
}

TEST_F(HighOrLowTest, OnlyTheMainRowDigitsChooseAndOnlyOnce) {
    openShowing(500, "6", "30");
    press(highLow, ui::key::kSpace);
    press(highLow, ui::key::kKeypad0 + 1);
    EXPECT_TRUE(rig.messages.shown.empty());

    nextNumber(600);
    press(highLow, ui::key::kDigit1);
    press(highLow, ui::key::kDigit2);
    highLow.Label1.click();
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"You Win"});
    EXPECT_EQ(credits(), "36");
}

}  // namespace
}  // namespace bonus_tests
