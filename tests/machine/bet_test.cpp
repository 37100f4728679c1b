#include <gtest/gtest.h>

#include "machine_rig.h"
#include "title/form6.h"

namespace {

using machine_tests::MachineTest;
using BetAndCredits = MachineTest;

TEST_F(BetAndCredits, TheBetMovesOneStepWithinZeroAndTheCredits) {
    setMoney(2, 1);
    m.Label2.click();
    m.Label2.click();
    EXPECT_EQ(m.Bet.caption(), "2");
    m.Label3.click();
    m.Label3.click();
    m.Label3.click();
    EXPECT_EQ(m.Bet.caption(), "0");
    EXPECT_EQ(rig.sound.count("Bet"), 3) << "a refused step is silent";
}

TEST_F(BetAndCredits, SpinWithoutABetSaysNoBetAndTakesNothing) {
    m.Label1.click();
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"No bet!"});
    EXPECT_EQ(m.Credits.caption(), "10");
    EXPECT_FALSE(m.Roll.enabled());
    EXPECT_TRUE(readyButtonsShown());
}

TEST_F(BetAndCredits, ABetAboveTheCreditsIsCutDownWithoutSpinning) {
    setMoney(3, 5);
    m.Label1.click();
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"No credits!"});
    EXPECT_EQ(m.Bet.caption(), "3");
    EXPECT_EQ(m.Credits.caption(), "3");
    EXPECT_FALSE(m.Roll.enabled());
    EXPECT_TRUE(rig.sound.played.empty());
}

TEST_F(BetAndCredits, NoCreditsLeftIsGameOverWhateverTheBet) {
    for (const int bet : {0, 4}) {
        testing_support::Rig fresh;
        fresh.program.start();
        auto& machine = fresh.program.form1();
        machine.Credits.setCaption("0");
        machine.Bet.setCaption(std::to_string(bet));
        machine.Label1.click();
        EXPECT_EQ(fresh.messages.shown, std::vector<std::string>{"Game Over!"}) << "bet " << bet;
        EXPECT_FALSE(machine.loaded());
        EXPECT_TRUE(fresh.program.form6().isShown());
        EXPECT_TRUE(fresh.sound.played.empty()) << "no spin after Game Over";
    }
}

TEST_F(BetAndCredits, AmountsBeyondSixteenBitsCompareAndSubtractExactly) {
    setMoney(40000, 32768);
    m.Label2.click();
    EXPECT_EQ(m.Bet.caption(), "32769");
    m.Label1.click();
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(m.Credits.caption(), "7231");
}

}  // namespace
