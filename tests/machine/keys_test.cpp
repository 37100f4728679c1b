#include <gtest/gtest.h>

#include "machine_rig.h"

namespace {

using machine_tests::kNoWin;
using machine_tests::kRollTicks;
using machine_tests::kTickMs;
using machine_tests::kTopTriple;
using machine_tests::MachineTest;
using namespace ui::key;

using Keys = MachineTest;

TEST_F(Keys, EnterSpinsWhenReadyAndSaysNoBetAsTheButtonDoes) {
    m.keyPress(kEnter);
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"No bet!"});

    m.Bet.setCaption("2");
    queueRoll(kNoWin, 1);
    m.keyPress(kEnter);
    EXPECT_TRUE(m.Roll.enabled());
    EXPECT_EQ(m.Credits.caption(), "8");
}

TEST_F(Keys, EveryRepeatOfAOrZMovesTheBetOneStepWithinTheCredits) {
    setMoney(3, 0);
    for (int repeat = 0; repeat < 5; ++repeat) {
        m.keyDown(kA);
    }
    EXPECT_EQ(m.Bet.caption(), "3");
    EXPECT_EQ(rig.sound.count("Bet"), 3);
    m.keyDown(kZ);
    m.keyDown(kZ);
    EXPECT_EQ(m.Bet.caption(), "1");
}

TEST_F(Keys, OnlyMainRowDigitsAndTheGamesLettersDoAnything) {
    setMoney(10, 1);
    for (const int key : {kKeypad0 + 1, kDigit5, kEscape, 66, kDigit1}) {
        m.keyDown(key);
    }
    m.keyPress('a');
    m.keyPress(kEscape);
    EXPECT_EQ(m.Bet.caption(), "1");
    EXPECT_FALSE(m.Col1.visible()) << "hold keys need the hold offer";
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_TRUE(m.loaded());
}

TEST_F(Keys, NothingButSpaceActsDuringTheRoll) {
    setMoney(10, 1);
    queueRoll(kNoWin, 1);
    m.keyPress(kEnter);
    rig.sound.played.clear();
    for (const int key : {kA, kZ, kDigit1, kDigit2, kDigit3}) {
        m.keyDown(key);
    }
    m.keyPress(kEnter);
    EXPECT_EQ(m.Bet.caption(), "1");
    EXPECT_EQ(m.Credits.caption(), "9");
    EXPECT_FALSE(m.Col1.visible());
    EXPECT_TRUE(rig.sound.played.empty());
    rig.advance(static_cast<std::int64_t>(kRollTicks) * kTickMs);
    EXPECT_FALSE(m.Roll.enabled()) << "the roll was not restarted";
}

TEST_F(Keys, DigitsToggleHoldsAndEnterSpinsAgainDuringTheHoldOffer) {
    setMoney(10, 1);
    spinAndLetters({5, 2, 3, 4, 6, 7, 8, 9, 1}, 1);
    ASSERT_TRUE(m.Label5.visible());
    m.keyDown(kDigit1);
    EXPECT_TRUE(m.Col1.visible());
    m.keyDown(kDigit1);
    EXPECT_FALSE(m.Col1.visible());
    m.keyDown(kDigit2);
    m.keyDown(kDigit3);
    m.keyDown(kA);
    EXPECT_EQ(m.Bet.caption(), "1");

    m.keyPress(kEnter);
    EXPECT_FALSE(m.Label5.visible());
    EXPECT_TRUE(m.Vincite.enabled());
    EXPECT_EQ(m.Credits.caption(), "9") << "the second spin is free";
}

TEST_F(Keys, SpaceStopsTheWheelWithoutAlsoStoppingThePanel) {
    setMoney(10, 1);
    spinAndLetters(kTopTriple, 1);
    rig.advance(100 + 200 + 150 * 7);  // the light on field 6, Skill chance
    ASSERT_EQ(m.Game[6].foreColour(), ui::kWhite);
    m.keyDown(kSpace);
    EXPECT_FALSE(m.Label4.visible());
    EXPECT_TRUE(m.Picture2.visible()) << "the panel's Stop did not run as well";
    EXPECT_TRUE(m.Zavri3.enabled());

    m.keyDown(kSpace);
    EXPECT_FALSE(m.Picture2.visible());
    EXPECT_FALSE(m.Zavri3.enabled());
}

}  // namespace
