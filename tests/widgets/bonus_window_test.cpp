#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "bonus/form5.h"
#include "machine/form1.h"
#include "support/rig.h"

namespace widget_tests {
namespace {

// The centre of a control, in pixels of its window.
QPoint centreOf(const ui::Control& control) {
    const ui::Rect r = control.rect();
    return {(r.left + r.width / 2) / ui::kTwipsPerPixel,
            (r.top + r.height / 2) / ui::kTwipsPerPixel};
}

TEST(BonusWindowOnScreen, HasTheKeyboardWhileOpenAndTheMachineTakesNoClickOrKey) {
    testing_support::Rig rig{testing_support::kOnScreen};
    quirvanto::Form1& machine = rig.program.form1();
    quirvanto::Form5& doubleBet = rig.program.form5();
    machine.show();
    QWindow* machineWindow = rig.widgetOf(machine)->windowHandle();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(machineWindow));

    machine.Win1.setCaption("3");
    doubleBet.load();
    doubleBet.show();
    doubleBet.Premio.setCaption(machine.Win1.caption());
    machine.setTakesInput(false);
    QWindow* bonusWindow = rig.widgetOf(doubleBet)->windowHandle();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bonusWindow));

    rig.advance(16);  // the first marker, and the first refocusing tick
    EXPECT_TRUE(QTest::qWaitForWindowActive(bonusWindow));
    EXPECT_EQ(QGuiApplication::focusWindow(), bonusWindow);

    QTest::mouseClick(machineWindow, Qt::LeftButton, {}, centreOf(machine.Label2));
    QTest::keyClick(machineWindow, Qt::Key_A);
    EXPECT_EQ(machine.Bet.caption(), "0") << "the machine's + took no input";

    QTest::keyClick(bonusWindow, Qt::Key_Space);
    EXPECT_FALSE(doubleBet.Label4.visible()) << "Space stopped the marker";
    EXPECT_EQ(machine.Credits.caption(), "13");
    QTest::keyClick(bonusWindow, Qt::Key_Escape);
    EXPECT_FALSE(doubleBet.loaded());

    QTest::mouseClick(machineWindow, Qt::LeftButton, {}, centreOf(machine.Label2));
    EXPECT_EQ(machine.Bet.caption(), "1") << "the machine takes clicks again";
}

}  // namespace
}  // namespace widget_tests
