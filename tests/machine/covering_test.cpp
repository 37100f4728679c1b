#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "machine/form1.h"
#include "support/rig.h"
#include "ui/qt/qt_control_widgets.h"

namespace {

// The machine shown as real widgets, time still virtual: clicks land at on-screen positions, and
// a screen reader finds a control only where a player sees it.
TEST(Covering, TheSkillChancePanelTakesTheClicksMeantForSpinWhileEnterStillSpins) {
    testing_support::Rig rig{{.onScreen = true}};
    quirvanto::Form1& m = rig.program.form1();
    rig.program.start();
    m.Bet.setCaption("1");
    QWidget* widget = rig.widgetOf(m);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    // A click at the centre of a control, wherever its containers put it.
    const auto clickOn = [&](const ui::Control& control) {
        QPoint at(control.left() + control.width() / 2, control.top() + control.height() / 2);
        for (const ui::PictureBox* box = control.container(); box; box = box->container()) {
            at += QPoint(box->left(), box->top());
        }
        QTest::mouseClick(widget->windowHandle(), Qt::LeftButton, {}, at / ui::kTwipsPerPixel);
    };
    QAccessibleInterface* spin = nullptr;
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        const auto* control = dynamic_cast<ui::qt::ControlWidget*>(child);
        if (control != nullptr && &control->control() == &m.Label1) {
            spin = QAccessible::queryAccessibleInterface(child);
        }
    }
    ASSERT_NE(spin, nullptr);

    m.Picture2.setVisible(true);
    clickOn(m.Label1);
    clickOn(m.Label2);
    EXPECT_TRUE(spin->state().offscreen) << "a screen reader does not find Spin";
    spin->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(m.Credits.caption() + "/" + m.Bet.caption(), "10/1");
    QTest::keyClick(widget->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(m.Credits.caption(), "9");
    clickOn(m.Label6);
    EXPECT_FALSE(m.Picture2.visible());
}

}  // namespace
