#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <QWindow>

#include "bonus/form5.h"
#include "machine/form1.h"
#include "support/rig.h"

namespace widget_tests {
namespace {

// The bonus window stands over the machine, which refuses clicks, keys and its close box until
// the bonus game ends.
TEST(BonusWindowOnScreen, HasTheKeyboardWhileOpenAndTheMachineTakesNoClickOrKey) {
    testing_support::Rig rig{{.onScreen = true}};
    quirvanto::Form1& machine = rig.program.form1();
    quirvanto::Form5& doubleBet = rig.program.form5();
    machine.show();
    QWindow* machineWindow = rig.widgetOf(machine)->windowHandle();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(machineWindow));
    const ui::Rect plus = machine.Label2.rect();
    const QPoint onPlus((plus.left + plus.width / 2) / ui::kTwipsPerPixel,
                        (plus.top + plus.height / 2) / ui::kTwipsPerPixel);

    machine.Win1.setCaption("3");
    doubleBet.show();
    doubleBet.Premio.setCaption(machine.Win1.caption());
    machine.setTakesInput(false);
    QWindow* bonusWindow = rig.widgetOf(doubleBet)->windowHandle();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bonusWindow));
    EXPECT_EQ(bonusWindow->transientParent(), machineWindow);

    rig.advance(16);  // the first marker, and the first refocusing tick
    EXPECT_TRUE(QTest::qWaitForWindowActive(bonusWindow));

    QTest::mouseClick(machineWindow, Qt::LeftButton, {}, onPlus);
    QTest::keyClick(machineWindow, Qt::Key_A);
    rig.widgetOf(machine)->close();
    EXPECT_EQ(machine.Bet.caption(), "0") << "the machine's + took no input";
    EXPECT_TRUE(machineWindow->isVisible());

    QTest::keyClick(bonusWindow, Qt::Key_Space);
    EXPECT_FALSE(doubleBet.Label4.visible()) << "Space stopped the marker";
    QTest::keyClick(bonusWindow, Qt::Key_Escape);
    EXPECT_FALSE(doubleBet.loaded());

    QTest::mouseClick(machineWindow, Qt::LeftButton, {}, onPlus);
    EXPECT_EQ(machine.Bet.caption(), "1") << "the machine takes clicks again";
}

}  // namespace
}  // namespace widget_tests
