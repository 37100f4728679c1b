#include <gtest/gtest.h>

#include "machine_rig.h"

namespace {

using machine_tests::Grid;
using machine_tests::kNoWin;
using machine_tests::kTopTriple;
using machine_tests::MachineTest;

struct Evaluation : MachineTest {
    // Spins with `bet` to `grid` (no 5 on it) and runs the evaluation's one tick.
    void evaluate(const Grid& grid, int bet) {
        setMoney(100, bet);
        spinAndLetters(grid, 1);
        rig.sound.played.clear();
        rig.advance(100);
        ASSERT_FALSE(m.Vincite.enabled());
    }
};

TEST_F(Evaluation, ATripleOnTheTopRowPaysBothRules) {
    evaluate(kTopTriple, 2);
    EXPECT_EQ(m.Win1.caption(), "6");
    EXPECT_EQ(rig.sound.names(), (std::vector<std::string>{"Win1", "Win1"}));
    EXPECT_EQ(m.WinLines, 2);
    EXPECT_EQ(m.Credits.caption(), "98") << "a line win never reaches the credits";
    EXPECT_TRUE(m.YouCan.enabled());
}

TEST_F(Evaluation, APairInTheMiddleRowPaysTheBet) {
    evaluate({1, 2, 3, 4, 9, 4, 6, 7, 8}, 3);
    EXPECT_EQ(m.Win1.caption(), "3");
    EXPECT_EQ(m.WinLines, 1);
}

TEST_F(Evaluation, WinsOfSeveralRowsAddUp) {
    evaluate({2, 2, 2, 1, 3, 4, 8, 6, 8}, 1);
    EXPECT_EQ(m.Win1.caption(), "4");
    EXPECT_EQ(m.WinLines, 3);
}

TEST_F(Evaluation, EqualTilesInAColumnWinNothing) {
    evaluate({1, 2, 3, 1, 4, 6, 1, 7, 8}, 1);
    EXPECT_EQ(m.Win1.caption(), "0");
    EXPECT_TRUE(rig.sound.played.empty());
}

TEST_F(Evaluation, NothingWonBringsSpinAndTheBetButtonsBackAtOnce) {
    evaluate(kNoWin, 1);
    EXPECT_TRUE(readyButtonsShown());
    EXPECT_FALSE(m.Label5.visible());
    EXPECT_FALSE(m.Win1.visible());
    EXPECT_FALSE(m.YouCan.enabled());
}

TEST_F(Evaluation, AWinBlinksEvery100MsAndStartsTheWheelAndMeter) {
    evaluate(kTopTriple, 1);
    rig.advance(100);
    EXPECT_TRUE(m.Etic[1].visible());
    EXPECT_TRUE(m.Win1.visible());
    EXPECT_FALSE(m.Try.enabled());
    EXPECT_EQ(rig.sound.count("Meter"), 0);

    rig.advance(100);
    EXPECT_FALSE(m.Etic[1].visible());
    EXPECT_FALSE(m.Win1.visible());
    EXPECT_EQ(rig.sound.names().back(), "Meter");
    EXPECT_TRUE(m.Try.enabled());
    EXPECT_TRUE(m.Suono.enabled());
    EXPECT_FALSE(m.Label4.visible()) << "Stop appears with the wheel's first step";

    rig.advance(100);
    EXPECT_TRUE(m.Win1.visible());
    rig.advance(50);
    EXPECT_TRUE(m.Label4.visible());
    EXPECT_FALSE(m.Label1.visible());
}

TEST_F(Evaluation, TheWinShowsWholeHoweverManyDigits) {
    evaluate(kTopTriple, 40);
    rig.advance(100);
    ASSERT_EQ(m.Win1.caption(), "120");
    EXPECT_EQ(m.Win1.left(), 5040);
    EXPECT_EQ(m.Win1.width(), rig.measure.width("120", 12));
}

TEST_F(Evaluation, ALosingSpinAfterAnUnclaimedWinWaitsForTheSupervisor) {
    evaluate(kTopTriple, 1);
    rig.advance(350 + 4 * 150);
    m.Label4.click();
    ASSERT_EQ(m.Win1.caption(), "0") << "stopped on the first Lose field";
    ASSERT_TRUE(m.Label1.visible());
    ASSERT_EQ(m.WinLines, 2);

    spinAndLetters(kNoWin, 1);
    rig.advance(100);
    EXPECT_FALSE(m.Label1.visible()) << "WinLines is still 2 from the last win";
    rig.advance(1000);
    EXPECT_TRUE(readyButtonsShown());
}

}  // namespace
