#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontInfo>

#include "screen.h"

namespace widget_tests {
namespace {

using LabelsOnScreen = ScreenTest;

TEST_F(LabelsOnScreen, DrawTheirBackTextAndWhatLiesBehindTransparentOnes) {
    const QImage image = drawn(*window);
    const QRect spin(10, 10, 100, 30);
    EXPECT_GT(pixelsOf(image, spin, toQColor(TestWindow::kSpinBack)).size(),
              spin.width() * spin.height() / 2);

    // "Spin" in its text colour, centred and at the top of its label.
    const QRect text = pixelsOf(image, spin, toQColor(TestWindow::kSpinText)).boundingRect();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.center().x(), spin.center().x(), 2);
    EXPECT_LT(text.top(), spin.top() + 6);

    // The transparent label over Spin's right half lets Spin show through; the line lies in front
    // of both, two pixels wide, across the whole label.
    EXPECT_TRUE(pixelsOf(image, {60, 10, 50, 30}, toQColor(TestWindow::kBack)).isEmpty());
    EXPECT_EQ(pixelsOf(image, {10, 20, 100, 10}, toQColor(TestWindow::kLineColour)).size(), 200);
    EXPECT_EQ(image.pixelColor(140, 20), QColor(Qt::magenta));
}

TEST_F(LabelsOnScreen, AClickReachesWhatIsShownInFrontAtThatPoint) {
    // Inside, visible of its own in the hidden panel, is not drawn until the panel shows.
    const QRect inside(130, 110, 60, 30);
    EXPECT_EQ(pixelsOf(drawn(*window), inside, toQColor(TestWindow::kBack)).size(),
              inside.width() * inside.height());
    form.Panel.setVisible(true);
    click(inside.center());
    EXPECT_EQ(form.clicks, 1);

    click({20, 20});
    click({20, 25});  // through the line
    click({80, 20});  // caught by the transparent label in front of Spin's right half
    EXPECT_EQ(form.spins, 2);

    // Only a left press and release on the label is a click; a double click is two clicks.
    click({20, 20}, Qt::RightButton);
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, {20, 20});
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, {180, 60});
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, {20, 20});
    EXPECT_EQ(form.spins, 4);

    // A screen reader's press is a click too.
    QAccessibleInterface* spin = QAccessible::queryAccessibleInterface(window->childAt(20, 20));
    ASSERT_NE(spin->actionInterface(), nullptr);
    spin->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.spins, 5);
}

TEST_F(LabelsOnScreen, ALabelThatSizesToItsCaptionShowsALongAmountWhole) {
    form.Caption.setCaption("1200");
    const QRect caption = window->childAt(9, 61)->geometry();
    EXPECT_EQ(caption.width() * ui::kTwipsPerPixel, form.Caption.width());

    const QRect text =
        pixelsOf(drawn(*window), caption.adjusted(0, 0, 20, 0), Qt::white).boundingRect();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_LE(text.right(), caption.right());
    EXPECT_GE(text.right(), caption.right() - 4);
    EXPECT_LE(text.left(), caption.left() + 3);
}

TEST_F(LabelsOnScreen, UseARealBlackFaceSizedInPixels) {
    const QFontInfo chosen(window->childAt(20, 20)->font());
    const QString family = chosen.family();
    EXPECT_TRUE(family == "Arial Black" || (family == "Lato" && chosen.styleName() == "Black"))
        << (family + " " + chosen.styleName()).toStdString();
    EXPECT_EQ(chosen.weight(), QFont::Black);
    EXPECT_EQ(chosen.pixelSize(), 16);
}

}  // namespace
}  // namespace widget_tests
