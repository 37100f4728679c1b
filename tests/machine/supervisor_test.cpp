#include <gtest/gtest.h>

#include <utility>

#include "machine_rig.h"

namespace {

using namespace machine_tests;
using Supervisor = MachineTest;
using Ticker = MachineTest;

TEST_F(Supervisor, WaitsWhileTheSkillChancePanelIsShownThenBringsSpinBack) {
    m.Label1.setVisible(false);
    m.Picture2.setVisible(true);
    rig.advance(3000);
    EXPECT_FALSE(m.Label1.visible());
    m.Picture2.setVisible(false);
    rig.advance(1000);
    EXPECT_TRUE(m.Label1.visible());
}

// Every two seconds the ticker shows its next line and draws four colours for the pay labels.
TEST_F(Ticker, ShowsItsNineLinesInTurnAndRecoloursThePayLabelsUnlessADrawnColourIsBlack) {
    m.Publi.setEnabled(true);
    for (const int colour : {9, 10, 12, 14, 1, 2, 0, 3}) {
        rig.random.pushDraw(colour, 15);
    }
    std::vector<std::string> lines;
    std::vector<std::pair<ui::Colour, ui::Colour>> colours;
    for (int i = 0; i < 10; ++i) {
        rig.advance(2000);
        lines.push_back(m.Holding.caption());
        colours.emplace_back(m.Etic[0].foreColour(), m.Etic[4].foreColour());
    }
    EXPECT_EQ(lines[1], "Quirvanto 1.00");
    EXPECT_EQ(lines[8], "All rights reserved");
    EXPECT_EQ(lines[9], lines[0]) << "after line 8 comes line 0";
    EXPECT_EQ(colours[0], std::pair(0xFF0000U, 0x00FFFFU)) << "the first and fourth colours drawn";
    EXPECT_EQ(colours[1], colours[0]) << "a black draw leaves every colour";
}

}  // namespace
