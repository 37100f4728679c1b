#include <gtest/gtest.h>

#include "machine_rig.h"

namespace {

using machine_tests::kNoWin;
using machine_tests::MachineTest;

struct LetterRun : MachineTest {
    // Spins to the end of the reels with `letters` drawn; the letter run starts now.
    void reelsStopWith(int letters) {
        setMoney(10, 2);
        spinTo(kNoWin, letters);
        rig.sound.played.clear();
    }
};

TEST_F(LetterRun, LightsOneTilePerTickAfterAFirstSilentStep) {
    reelsStopWith(3);
    rig.advance(100);
    EXPECT_EQ(litLetters(), 0);
    EXPECT_EQ(rig.sound.count("Letter"), 1);
    rig.advance(100);
    EXPECT_EQ(m.Lett[0].foreColour(), ui::kWhite);
    rig.advance(200);
    EXPECT_EQ(litLetters(), 3);
    EXPECT_EQ(m.Lett[3].foreColour(), ui::kBlack);
    EXPECT_EQ(rig.sound.count("Letter"), 4);
    EXPECT_FALSE(m.Zavri.enabled());
    EXPECT_EQ(m.StepCount, 0);
    EXPECT_TRUE(m.Vincite.enabled()) << "EndSpin has handed over to the evaluation";
    EXPECT_EQ(m.Credits.caption(), "8");
}

TEST_F(LetterRun, NoLettersEndsTheRunOnItsFirstTick) {
    reelsStopWith(0);
    rig.advance(100);
    EXPECT_EQ(rig.sound.count("Letter"), 0);
    EXPECT_FALSE(m.Zavri.enabled());
    EXPECT_TRUE(m.Vincite.enabled());
    EXPECT_EQ(m.StepCount, -1);
}

TEST_F(LetterRun, AllNineLettersPayThreeTimesTheBetIntoTheCredits) {
    reelsStopWith(9);
    rig.advance(900);
    EXPECT_EQ(m.Credits.caption(), "8");
    rig.advance(100);
    EXPECT_EQ(litLetters(), 9);
    EXPECT_EQ(m.Credits.caption(), "14");
    EXPECT_EQ(m.Win1.caption(), "0") << "the bonus does not go into the pending win";
    EXPECT_EQ(rig.sound.count("Bingo"), 3) << "two around the credit, one from EndSpin";
}

TEST_F(LetterRun, TheLettersBonusIsThreeTimesEvenALargeBet) {
    setMoney(100000, 20000);
    spinTo(kNoWin, 9);
    rig.advance(1000);
    EXPECT_EQ(m.Credits.caption(), "140000");
}

struct LetterGames : MachineTest {
    void SetUp() override {
        MachineTest::SetUp();
        setMoney(10, 1);
    }
    // The state the wheel's Stop leaves for a letter game.
    void startLettersHeld() {
        m.StepCount = 0;
        m.DrawCount = 0;
        m.Zavri2.setEnabled(true);
    }
    void startSkillChance() {
        m.StepCount = 0;
        m.DrawCount = 0;
        m.Picture2.setVisible(true);
        m.Zavri3.setEnabled(true);
    }
};

TEST_F(LetterGames, LettersHeldLightsATilePerDrawUntilADrawIsNoLargerThanTheLitCount) {
    startLettersHeld();
    for (const int draw : {5, 6, 2}) {
        rig.random.pushDraw(draw, 9);
    }
    rig.advance(200);
    EXPECT_EQ(litLetters(), 2);
    EXPECT_EQ(m.Num.caption(), "6");
    EXPECT_TRUE(m.Zavri2.enabled());

    rig.advance(100);
    EXPECT_EQ(litLetters(), 3);
    EXPECT_EQ(m.Num.caption(), "2");
    EXPECT_FALSE(m.Zavri2.enabled());
    EXPECT_EQ(m.StepCount, 0);
    EXPECT_EQ(m.Credits.caption(), "10");
    EXPECT_EQ(rig.sound.count("Letter"), 3);
    EXPECT_EQ(rig.sound.count("Lose"), 0);
}

TEST_F(LetterGames, LettersHeldIsLostOnADrawOfZero) {
    m.Lett[4].setForeColour(ui::kWhite);
    startLettersHeld();
    rig.random.pushDraw(0, 9);
    rig.advance(100);
    EXPECT_EQ(rig.sound.names(), std::vector<std::string>{"Lose"});
    EXPECT_FALSE(m.Zavri2.enabled());
    EXPECT_EQ(litLetters(), 0);
}

TEST_F(LetterGames, SkillChanceStoppedOnTheLastTileLightsTheRowAndPays27TimesTheBet) {
    startSkillChance();
    rig.random.pushDraw(2, 9);
    rig.random.pushDraw(8, 9);
    rig.advance(200);
    ASSERT_EQ(litLetters(), 1);
    ASSERT_EQ(m.Lett[8].foreColour(), ui::kWhite);

    m.Label6.click();
    EXPECT_EQ(m.Credits.caption(), "37");
    EXPECT_EQ(litLetters(), 9);
    EXPECT_EQ(rig.sound.count("Bingo"), 18);
    EXPECT_FALSE(m.Picture2.visible());
    EXPECT_FALSE(m.Zavri3.enabled());
}

TEST_F(LetterGames, SkillChanceStoppedElsewherePaysNothingAndKeepsThatTileLit) {
    startSkillChance();
    rig.random.pushDraw(3, 9);
    rig.advance(100);
    m.Label6.click();
    EXPECT_EQ(m.Credits.caption(), "10");
    EXPECT_EQ(litLetters(), 1);
    EXPECT_EQ(m.Lett[3].foreColour(), ui::kWhite);
    EXPECT_FALSE(m.Picture2.visible());
    rig.advance(500);
    EXPECT_EQ(litLetters(), 1) << "the flicker has stopped";
}

TEST_F(LetterGames, AStopOutsideSkillChancePaysNothingEvenWithTheLastTileLit) {
    // A spin started during Letters Held can leave the last tile lit on its own; SPACE reaches
    // the panel's Stop whenever the wheel's Stop is hidden.
    m.Lett[8].setForeColour(ui::kWhite);
    m.keyDown(ui::key::kSpace);
    EXPECT_EQ(m.Credits.caption(), "10");
    EXPECT_EQ(rig.sound.count("Bingo"), 0);
}

}  // namespace
