#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontInfo>

#include "screen.h"
#include "ui/qt/qt_look.h"

namespace widget_tests {
namespace {

using LabelsOnScreen = ScreenTest;

// Left and right columns, top and bottom rows of every pixel of a colour in a region.
QRect extentOf(const QImage& image, QRect region, QColor colour) {
    QRect extent;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                extent |= QRect(x, y, 1, 1);
            }
        }
    }
    return extent;
}

TEST_F(LabelsOnScreen, DrawTheirBackTextAndWhatLiesBehindTransparentOnes) {
    const QImage image = drawn(*window);
    const QRect spin = Panel::spinRect();
    EXPECT_GT(countColour(image, spin, qColour(Panel::kSpinBack)),
              spin.width() * spin.height() / 2);

    // "Spin" in its text colour, centred and at the top of its label.
    const QRect text = extentOf(image, spin, qColour(Panel::kSpinText));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.center().x(), spin.center().x(), 2);
    EXPECT_LT(text.top(), spin.top() + 6);

    // The transparent label over Spin's right half lets Spin show through.
    EXPECT_EQ(countColour(image, Panel::coverRect(), qColour(Panel::kBack)), 0);
    // The line in front of both, two pixels wide, across the whole label.
    EXPECT_EQ(countColour(image, {10, 20, 100, 10}, qColour(Panel::kLineColour)), 200);
    EXPECT_EQ(image.pixelColor(140, 20), QColor(Qt::magenta));
}

TEST_F(LabelsOnScreen, FollowCaptionAndVisibilityOfTheirOwnAndOfTheirContainer) {
    panel.Spin.setCaption("");
    QImage image = drawn(*window);
    EXPECT_EQ(countColour(image, Panel::spinRect(), qColour(Panel::kSpinText)), 0);

    panel.Spin.setVisible(false);
    image = drawn(*window);
    EXPECT_EQ(image.pixelColor(20, 15), qColour(Panel::kBack));

    // Stop keeps its own visible flag inside the hidden box but is neither drawn nor clickable.
    panel.Box.setVisible(false);
    image = drawn(*window);
    EXPECT_TRUE(panel.Stop.visible());
    EXPECT_EQ(countColour(image, Panel::stopRect(), qColour(Panel::kBack)),
              Panel::stopRect().width() * Panel::stopRect().height());
    click(Panel::stopRect().center());
    EXPECT_EQ(panel.stops, 0);
}

TEST_F(LabelsOnScreen, ALabelThatSizesToItsCaptionShowsALongAmountWhole) {
    panel.Amount.setCaption("1200");
    const QRect amount = window->childAt(Panel::amountRect().topLeft() + QPoint(1, 1))->geometry();
    EXPECT_EQ(amount.width() * ui::kTwipsPerPixel, panel.Amount.width());

    const QImage image = drawn(*window);
    const QRect text = extentOf(image, amount.adjusted(0, 0, 20, 0), Qt::white);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_LE(text.right(), amount.right());
    EXPECT_GE(text.right(), amount.right() - 4);
    EXPECT_LE(text.left(), amount.left() + 3);
}

TEST_F(LabelsOnScreen, AClickReachesWhatLiesInFrontAtThatPoint) {
    click({20, 20});
    EXPECT_EQ(panel.spins, 1);
    // The line across Spin lets clicks through to it.
    click({20, 25});
    EXPECT_EQ(panel.spins, 2);
    // The transparent label in front of Spin's right half catches the clicks there.
    click({80, 20});
    EXPECT_EQ(panel.spins, 2);
    click(Panel::stopRect().center());
    EXPECT_EQ(panel.stops, 1);
}

TEST_F(LabelsOnScreen, OnlyALeftPressAndReleaseOnTheLabelIsAClick) {
    click({20, 20}, Qt::RightButton);
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, {20, 20});
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, {180, 60});
    EXPECT_EQ(panel.spins, 0);

    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, {20, 20});
    EXPECT_EQ(panel.spins, 2);
}

TEST_F(LabelsOnScreen, UseARealBlackFaceSizedInPixels) {
    const QFontInfo chosen(window->childAt(20, 20)->font());
    EXPECT_TRUE(chosen.family() == "Arial Black" || chosen.family() == "Lato")
        << chosen.family().toStdString();
    EXPECT_EQ(chosen.weight(), QFont::Black);
    if (chosen.family() == "Lato") {
        EXPECT_EQ(chosen.styleName(), "Black");
    }
    EXPECT_EQ(chosen.pixelSize(), 16);
    EXPECT_EQ(ui::qt::gameFont(8.25).pixelSize(), 11);
    EXPECT_EQ(ui::qt::gameFont(24).pixelSize(), 32);
}

TEST_F(LabelsOnScreen, ReachScreenReadersByCaptionAndClickableOnesAsButtons) {
    QAccessibleInterface* spin = QAccessible::queryAccessibleInterface(window->childAt(20, 20));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->role(), QAccessible::Button);
    EXPECT_EQ(spin->text(QAccessible::Name), "Spin");
    EXPECT_EQ(spin->text(QAccessible::Description), "Spin the reels");
    QAccessibleActionInterface* actions = spin->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(panel.spins, 1);

    QAccessibleInterface* amount =
        QAccessible::queryAccessibleInterface(window->childAt(Panel::amountRect().topLeft()));
    ASSERT_NE(amount, nullptr);
    EXPECT_EQ(amount->role(), QAccessible::StaticText);
    panel.Amount.setCaption("12");
    EXPECT_EQ(amount->text(QAccessible::Name), "12");
    EXPECT_FALSE(amount->actionInterface() != nullptr &&
                 amount->actionInterface()->actionNames().contains(
                     QAccessibleActionInterface::pressAction()));
}

}  // namespace
}  // namespace widget_tests
