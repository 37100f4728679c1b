#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "screen.h"
#include "ui/qt/qt_control_widgets.h"
#include "ui/qt/qt_message_boxes.h"

namespace widget_tests {
namespace {

using WindowOnScreen = ScreenTest;

TEST_F(WindowOnScreen, KeepsItsClientSizeCaptionBackColourAndIcon) {
    EXPECT_EQ(window->size(), QSize(200, 150));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), "Test Panel");
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(drawn(*window).pixelColor(180, 60), qColour(Panel::kBack));
}

TEST_F(WindowOnScreen, ShowsItsOwnPointerAndTheSharedOneOverClickableLabels) {
    EXPECT_EQ(window->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window->cursor().hotSpot(), QPoint(1, 2));

    QWidget* spin = window->childAt(20, 20);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(spin->cursor().hotSpot(), QPoint(11, 2));
    EXPECT_EQ(spin->cursor().pixmap().toImage().pixelColor(11, 10), QColor(Qt::red));
    EXPECT_EQ(spin->toolTip(), "Spin the reels");

    // A label that takes no clicks shows the window's pointer.
    QWidget* cover = window->childAt(80, 20);
    ASSERT_NE(cover, nullptr);
    ASSERT_NE(cover, spin);
    EXPECT_EQ(cover->cursor().hotSpot(), QPoint(1, 2));
    EXPECT_TRUE(cover->toolTip().isEmpty());
}

TEST_F(WindowOnScreen, CloseBoxIsRefusedWhileTheWindowTakesNoInput) {
    panel.setTakesInput(false);
    window->close();
    EXPECT_TRUE(panel.loaded());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(panel.unloads, 0);

    panel.setTakesInput(true);
    window->close();
    EXPECT_FALSE(panel.loaded());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(panel.unloads, 1);
}

TEST_F(WindowOnScreen, UnloadingFromItsOwnClickThenLoadingAgainGivesFreshControls) {
    panel.unloadOnSpin = true;
    click({20, 20});
    EXPECT_EQ(panel.spins, 1);
    EXPECT_FALSE(window->isVisible());

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    panel.unloadOnSpin = false;
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->findChildren<ui::qt::ControlWidget*>().size(), 8);
    click({20, 20});
    EXPECT_EQ(panel.spins, 2);
}

TEST_F(WindowOnScreen, AnOwnedWindowBlocksClicksAndKeysToItsOwnerUntilItUnloads) {
    dialog.setOwner(&panel);
    dialog.show();
    QWidget* owned = screen.hosts.widgetOf(dialog);
    ASSERT_NE(owned, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(owned));
    EXPECT_EQ(owned->windowModality(), Qt::WindowModal);
    EXPECT_EQ(owned->windowHandle()->transientParent(), window->windowHandle());

    click({20, 20});
    QTest::keyClick(window->windowHandle(), Qt::Key_A);
    EXPECT_EQ(panel.spins, 0);
    EXPECT_TRUE(panel.keysDown.empty());

    QTest::mouseClick(owned->windowHandle(), Qt::LeftButton, {}, {50, 25});
    QTest::keyClick(owned->windowHandle(), Qt::Key_Space);
    EXPECT_EQ(dialog.goes, 1);
    EXPECT_EQ(dialog.keysDown, std::vector<int>{32});

    dialog.unload();
    click({20, 20});
    EXPECT_EQ(panel.spins, 1);
}

struct SeenInBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* parent = nullptr;
    QAccessible::Role role = QAccessible::NoRole;
    bool keptFocus = false;
};

TEST_F(WindowOnScreen, MessageBoxIsAnAlertOverTheGameWindowAndKeepsTheFocus) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    SeenInBox seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(), box->parentWidget()};
        seen.role = QAccessible::queryAccessibleInterface(box)->role();
        if (QTest::qWaitForWindowActive(box)) {
            panel.takeFocus();
            QCoreApplication::processEvents();
            seen.keptFocus = QApplication::activeWindow() == box;
        }
        box->accept();
    });
    ui::qt::QtMessageBoxes().show("No bet!");

    EXPECT_EQ(seen.title, "Quirvanto");
    EXPECT_EQ(seen.text, "No bet!");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.parent, window);
    EXPECT_EQ(seen.role, QAccessible::AlertMessage);
    EXPECT_TRUE(seen.keptFocus);
}

TEST_F(WindowOnScreen, TakingTheFocusActivatesAShownWindow) {
    dialog.show();
    QWidget* other = screen.hosts.widgetOf(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(other));
    panel.takeFocus();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

}  // namespace
}  // namespace widget_tests
