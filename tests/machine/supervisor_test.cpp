#include <gtest/gtest.h>

#include "machine_rig.h"

namespace {

using namespace machine_tests;
using Supervisor = MachineTest;

TEST_F(Supervisor, WaitsWhileTheSkillChancePanelIsShownThenBringsSpinBack) {
    m.Label1.setVisible(false);
    m.Picture2.setVisible(true);
    rig.advance(3000);
    EXPECT_FALSE(m.Label1.visible());
    m.Picture2.setVisible(false);
    rig.advance(1000);
    EXPECT_TRUE(m.Label1.visible());
}

TEST_F(Supervisor, TreatsAPendingEvaluationOrABlinkingWinAsBusy) {
    setMoney(10, 1);
    spinAndLetters(kTopTriple, 1);
    m.Controllo_Timer();
    EXPECT_FALSE(m.Label1.visible()) << "between the letters and the evaluation";
    rig.advance(100);
    ASSERT_FALSE(m.Try.enabled());
    m.Controllo_Timer();
    EXPECT_FALSE(m.Label1.visible()) << "between the win and the wheel's first step";
}

struct Ticker : MachineTest {
    void SetUp() override { m.Publi.setEnabled(true); }
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
}

TEST_F(Ticker, RecoloursThePayLabelsOnlyWhenNoDrawnColourIsBlack) {
    for (const int colour : {9, 10, 12, 14, 1, 2, 0, 3}) {
        rig.random.pushDraw(colour, 15);
    }
    rig.advance(2000);
    EXPECT_EQ(m.Etic[0].foreColour(), 0xFF0000U) << "the first colour drawn";
    EXPECT_EQ(m.Etic[4].foreColour(), 0x00FFFFU) << "the fourth colour drawn";
    rig.advance(2000);
    EXPECT_EQ(m.Etic[0].foreColour(), 0xFF0000U) << "a black draw leaves every colour";
    EXPECT_EQ(m.Etic[4].foreColour(), 0x00FFFFU);
}

}  // namespace
