#include <gtest/gtest.h>

#include <set>

#include "machine_rig.h"

namespace {

using machine_tests::kTopTriple;
using machine_tests::MachineTest;

struct Supervisor : MachineTest {
    void SetUp() override {
        MachineTest::SetUp();
        setMoney(10, 1);
    }
    void hideReadyButtons() {
        m.Label1.setVisible(false);
        m.Label2.setVisible(false);
        m.Label3.setVisible(false);
    }
};

TEST_F(Supervisor, BringsSpinAndTheBetButtonsBackOnceTheMachineRests) {
    hideReadyButtons();
    m.Label5.setVisible(false);
    rig.advance(1000);
    EXPECT_TRUE(readyButtonsShown());
}

TEST_F(Supervisor, LeavesTheHoldOfferAndTheSkillChancePanelAlone) {
    hideReadyButtons();
    m.Holding.setVisible(false);
    m.Label5.setVisible(true);
    rig.advance(3000);
    EXPECT_FALSE(m.Label1.visible());
    EXPECT_TRUE(m.Label5.visible());

    m.Label5.setVisible(false);
    m.Picture2.setVisible(true);
    rig.advance(3000);
    EXPECT_FALSE(m.Label1.visible());
}

TEST_F(Supervisor, TreatsAPendingEvaluationOrABlinkingWinAsBusy) {
    spinAndLetters(kTopTriple, 1);
    ASSERT_TRUE(m.Vincite.enabled());
    m.Controllo_Timer();
    EXPECT_FALSE(m.Label1.visible()) << "between the letters and the evaluation";

    rig.advance(100);
    ASSERT_TRUE(m.YouCan.enabled());
    ASSERT_FALSE(m.Try.enabled());
    m.Controllo_Timer();
    EXPECT_FALSE(m.Label1.visible()) << "between the win and the wheel's first step";
}

struct Ticker : MachineTest {
    void SetUp() override {
        MachineTest::SetUp();
        m.Publi.setEnabled(true);
    }
    void queueColours(int c1, int c2, int c3, int c4) {
        for (const int index : {c1, c2, c3, c4}) {
            rig.random.pushDraw(index, 15);
        }
    }
};

TEST_F(Ticker, ShowsItsNineLinesInTurnEveryTwoSecondsAndWraps) {
    std::vector<std::string> lines;
    for (int i = 0; i < 10; ++i) {
        rig.advance(2000);
        lines.push_back(m.Holding.caption());
    }
    EXPECT_EQ(lines[0], "Quirvanto Team presents Quirvanto");
    EXPECT_EQ(lines[1], "Quirvanto 1.00");
    EXPECT_EQ(lines[8], "All rights reserved");
    EXPECT_EQ(lines[9], lines[0]);
    EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 9U);
}

TEST_F(Ticker, RecoloursThePayLabelsOnlyWhenNoDrawnColourIsBlack) {
    queueColours(9, 10, 12, 14);
    rig.advance(2000);
    EXPECT_EQ(m.Etic[0].foreColour(), 0xFF0000U);
    EXPECT_EQ(m.Etic[2].foreColour(), 0x00FF00U);
    EXPECT_EQ(m.Etic[3].foreColour(), 0x0000FFU);
    EXPECT_EQ(m.Etic[4].foreColour(), 0x00FFFFU);
    EXPECT_EQ(m.Etic[1].foreColour(), 0x00FFFFU) << "the win caption keeps its colour";

    queueColours(1, 2, 0, 3);
    rig.advance(2000);
    EXPECT_EQ(m.Etic[0].foreColour(), 0xFF0000U);
    EXPECT_EQ(m.Etic[4].foreColour(), 0x00FFFFU);
}

TEST_F(Ticker, StartsAgainFromItsFirstLineWhenTheMachineIsLoadedAgain) {
    rig.advance(6000);
    m.StepCount = -1;
    m.unload();
    m.show();
    EXPECT_EQ(m.TickerLine, 0);
    EXPECT_EQ(m.StepCount, -1) << "the other counters carry over";
    EXPECT_EQ(m.Credits.caption(), "10");
    rig.advance(2000);
    EXPECT_EQ(m.Holding.caption(), "Quirvanto Team presents Quirvanto");
}

}  // namespace
