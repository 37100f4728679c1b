#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <QWindow>

#include "machine/form1.h"
#include "support/rig.h"

namespace {

// The machine shown as real widgets, time still virtual; clicks land at on-screen positions.
struct Covering : ::testing::Test {
    testing_support::Rig rig{testing_support::kOnScreen};
    quirvanto::Form1& m = rig.program.form1();
    QWindow* window = nullptr;

    void SetUp() override {
        rig.program.start();
        m.Publi.setEnabled(false);
        m.Bet.setCaption("1");
        window = rig.widgetOf(m)->windowHandle();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    // A click at the centre of a control, wherever its containers put it.
    void clickOn(const ui::Control& control) {
        QPoint at((control.left() + control.width() / 2) / ui::kTwipsPerPixel,
                  (control.top() + control.height() / 2) / ui::kTwipsPerPixel);
        for (const ui::PictureBox* box = control.container(); box != nullptr;
             box = box->container()) {
            at += QPoint(box->left() / ui::kTwipsPerPixel, box->top() / ui::kTwipsPerPixel);
        }
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
    }
};

TEST_F(Covering, TheSkillChancePanelTakesTheClicksMeantForSpinWhileEnterStillSpins) {
    m.Picture2.setVisible(true);
    m.Zavri3.setEnabled(true);
    clickOn(m.Label1);
    clickOn(m.Label2);
    EXPECT_FALSE(m.Roll.enabled());
    EXPECT_EQ(m.Credits.caption(), "10");
    EXPECT_EQ(m.Bet.caption(), "1");

    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_TRUE(m.Roll.enabled());
    EXPECT_EQ(m.Credits.caption(), "9");

    clickOn(m.Label6);
    EXPECT_FALSE(m.Picture2.visible());
}

TEST_F(Covering, HoldingTakesTheClicksMeantForTheHoldButtonsUntilTheHoldOffer) {
    clickOn(m.Hold[0]);
    clickOn(m.Label5);
    EXPECT_FALSE(m.Col1.visible());
    EXPECT_EQ(rig.sound.count("Hold"), 0);

    m.Holding.setVisible(false);
    clickOn(m.Hold[0]);
    EXPECT_TRUE(m.Col1.visible());
}

}  // namespace
