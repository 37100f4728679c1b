#include <gtest/gtest.h>

#include "support/rig.h"
#include "support/test_window.h"
#include "ui/types.h"

namespace {

using testing_support::Rig;
using testing_support::TestWindow;

struct Windows : ::testing::Test {
    Rig rig;
    TestWindow window{rig.program};
};

TEST_F(Windows, OutOfRangeIndicesDoNothingAndReadNeutral) {
    window.load();
    window.Cells[-1].setCaption("x");
    window.Cells[3].setVisible(true);
    window.Cells[3].setForeColour(ui::kWhite);
    EXPECT_EQ(window.Cells[3].caption(), "");
    EXPECT_FALSE(window.Cells[-1].visible());
    EXPECT_EQ(window.Cells[3].foreColour(), ui::kBlack);
    EXPECT_EQ(window.Cells[2].caption(), "cell");
}

TEST_F(Windows, AControlKeepsItsOwnVisibilityInsideAHiddenPanel) {
    window.load();
    EXPECT_TRUE(window.Inside.visible());
    EXPECT_FALSE(window.Inside.shownOnWindow());
    window.Inside.click();
    EXPECT_EQ(window.clicks, 0);
    window.Panel.setVisible(true);
    window.Inside.click();
    EXPECT_EQ(window.clicks, 1);
}

TEST_F(Windows, UnloadDestroysControlsAndReloadRecreatesThemWhileVariablesStay) {
    window.load();
    window.Cells[1].setCaption("changed");
    window.Panel.setVisible(true);
    window.keptAcrossLoads = 7;
    window.unload();
    EXPECT_EQ(window.unloads, 1);
    window.Cells[1].setCaption("after unload");
    EXPECT_EQ(window.Cells[1].caption(), "");
    window.load();
    EXPECT_EQ(window.loads, 2);
    EXPECT_EQ(window.Cells[1].caption(), "cell");
    EXPECT_FALSE(window.Panel.visible());
    EXPECT_EQ(window.keptAcrossLoads, 7);
}

TEST_F(Windows, NoInputMeansNoKeysNoClicksAndNoClose) {
    window.show();
    window.Panel.setVisible(true);
    window.setTakesInput(false);
    window.keyDown(ui::key::kSpace);
    window.keyPress(ui::key::kEscape);
    window.Inside.click();
    window.requestClose();
    EXPECT_TRUE(window.keysDown.empty());
    EXPECT_TRUE(window.keysPressed.empty());
    EXPECT_EQ(window.clicks, 0);
    EXPECT_TRUE(window.loaded());

    window.setTakesInput(true);
    window.keyDown(ui::key::kSpace);
    window.requestClose();
    EXPECT_EQ(window.keysDown, std::vector<int>{ui::key::kSpace});
    EXPECT_FALSE(window.loaded());
}

TEST_F(Windows, ALabelThatSizesToItsCaptionKeepsItsLeftEdge) {
    window.load();
    const ui::Twips oneDigit = window.Caption.width();
    window.Caption.setCaption("1200");
    EXPECT_EQ(window.Caption.left(), 120);
    EXPECT_EQ(window.Caption.width(), 4 * oneDigit);
}

TEST_F(Windows, EndingTheProgramClosesEveryWindowAndRunsNoFurtherHandler) {
    window.show();
    int ticks = 0;
    window.onSlow = [&] { ++ticks; };
    window.Slow.setEnabled(true);
    rig.program.end();
    rig.program.end();
    rig.advance(1000);
    window.keyDown(ui::key::kSpace);
    window.load();
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(window.loaded());
    EXPECT_EQ(window.unloads, 0);
    EXPECT_TRUE(window.keysDown.empty());
    EXPECT_EQ(rig.terminator.quits, 1);
}

}  // namespace
