#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <string>

#include "machine_rig.h"
#include "ui/qt/qt_accessible_follower.h"
#include "ui/qt/qt_control_widgets.h"

namespace {

using namespace machine_tests;
using Layout = MachineTest;

TEST_F(Layout, TheMachineOpensWithTenCreditsNoBetDarkLettersAndEveryControlInside) {
    EXPECT_EQ(m.Credits.caption() + "/" + m.Bet.caption() + "/" + m.Num.caption(), "10/0/1");
    const ui::Control* hidden[] = {&m.Label4,   &m.Label5, &m.Win1,  &m.Etic[1],
                                   &m.Picture2, &m.Col1,   &m.Scelta};
    for (const ui::Control* control : hidden) {
        EXPECT_FALSE(control->visible()) << control->name();
    }
    EXPECT_EQ(litLetters(), 0);

    // The Hold markers are drawn over the tiles, and every control lies inside the window.
    const auto& controls = m.controls();
    const auto zOrder = [&](const ui::Control& c) { return std::ranges::find(controls, &c); };
    const ui::Line* markers[] = {&m.Col1, &m.Col2, &m.Col3};
    for (int c = 0; c < 3; ++c) {
        EXPECT_GT(zOrder(*markers[c]), zOrder(m.X[c + 6])) << "column " << c;
    }
    for (const ui::Control* control : controls) {
        EXPECT_TRUE(control->container() != nullptr ||
                    (control->left() + control->width() <= m.layout().inner.width &&
                     control->top() + control->height() <= m.layout().inner.height))
            << control->name();
    }
}

// The machine shown as real widgets, time still virtual; clicks land at on-screen positions.
struct Covering : ::testing::Test {
    testing_support::Rig rig{{.onScreen = true}};
    quirvanto::Form1& m = rig.program.form1();
    QWindow* window = nullptr;

    void SetUp() override {
        rig.program.start();
        m.Bet.setCaption("1");
        window = rig.widgetOf(m)->windowHandle();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    // A click at the centre of a control, wherever its containers put it.
    void clickOn(const ui::Control& control) {
        QPoint at(control.left() + control.width() / 2, control.top() + control.height() / 2);
        for (const ui::PictureBox* box = control.container(); box; box = box->container()) {
            at += QPoint(box->left(), box->top());
        }
        QTest::mouseClick(window, Qt::LeftButton, {}, at / ui::kTwipsPerPixel);
    }

    // The control as a screen reader finds it.
    [[nodiscard]] QAccessibleInterface* readerOf(const ui::Control& control) const {
        for (QWidget* child : rig.widgetOf(m)->findChildren<QWidget*>()) {
            const auto* widget = dynamic_cast<ui::qt::ControlWidget*>(child);
            if (widget != nullptr && &widget->control() == &control) {
                return QAccessible::queryAccessibleInterface(child);
            }
        }
        return nullptr;
    }
    static void press(QAccessibleInterface* button) {
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
};

TEST_F(Covering, TheSkillChancePanelTakesTheClicksMeantForSpinWhileEnterStillSpins) {
    m.Picture2.setVisible(true);
    clickOn(m.Label1);
    clickOn(m.Label2);
    EXPECT_TRUE(readerOf(m.Label1)->state().offscreen) << "a screen reader does not find Spin";
    press(readerOf(m.Label1));
    EXPECT_EQ(m.Credits.caption() + "/" + m.Bet.caption(), "10/1");
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(m.Credits.caption(), "9");
    clickOn(m.Label6);
    EXPECT_FALSE(m.Picture2.visible());
}

TEST_F(Covering, HoldingTakesTheClicksAndPressesMeantForTheHoldButtonsUntilTheHoldOffer) {
    QAccessibleInterface* hold = readerOf(m.Hold[0]);
    EXPECT_TRUE(hold->state().offscreen);
    press(hold);
    clickOn(m.Hold[0]);
    EXPECT_TRUE(rig.sound.played.empty());
    m.Holding.setVisible(false);
    EXPECT_FALSE(hold->state().offscreen || hold->state().checked);
    EXPECT_EQ(rig.widgetOf(m)->childAt(50, 388), hold->object()) << "the pointer finds it";
    clickOn(m.Hold[0]);
    EXPECT_TRUE(m.Col1.visible());
    EXPECT_TRUE(hold->state().checkable && hold->state().checked);
    press(hold);
    EXPECT_FALSE(m.Col1.visible() || hold->state().checked);
    EXPECT_EQ(hold->text(QAccessible::Name), "Hold column 1");
}

// What a screen reader was told, while a test listens.
struct Told {
    static inline std::vector<QAccessible::Event> events;
    static void record(QAccessibleEvent& event) { events.push_back(event.type()); }
    [[nodiscard]] static long count(QAccessible::Event type) {
        return std::count(events.begin(), events.end(), type);
    }
};

TEST_F(Covering, ScreenReadersReadTheTilesValuesAndLightsAndAreToldOfChangesAtMostTwiceASecond) {
    auto before = ui::qt::AccessibleFollower::exchangeEventSink(Told::record);

    m.NN[1].setCaption("7");
    EXPECT_EQ(readerOf(m.X[1])->text(QAccessible::Name), "row 1, column 2: 7");
    const auto labels = readerOf(m.Credits)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->text(QAccessible::Name), "Credits");

    // The nine tiles are the window's only pictures: arrows and lines are not read.
    QAccessibleInterface* machine = QAccessible::queryAccessibleInterface(rig.widgetOf(m));
    int pictures = 0;
    QAccessibleInterface* announcement = nullptr;
    for (int i = 0; i < machine->childCount(); ++i) {
        const QAccessible::Role role = machine->child(i)->role();
        pictures += role == QAccessible::Graphic ? 1 : 0;
        announcement = role == QAccessible::Notification ? machine->child(i) : announcement;
    }
    EXPECT_EQ(pictures, 9);

    // The light moves every 150 ms for three seconds: twenty steps, forty fields lit or darkened.
    Told::events.clear();
    m.Try.setEnabled(true);
    rig.advance(3000);
    const long told = Told::count(QAccessible::DescriptionChanged);
    EXPECT_GE(told, 2);
    EXPECT_LE(told, 2 * (3000 / 500 + 1));
    for (const ui::Label& field : m.Game) {
        EXPECT_EQ(readerOf(field)->text(QAccessible::Description) == "lit",
                  field.foreColour() == ui::kWhite)
            << field.caption() << ": read as it stands, told or not";
    }

    m.Credits.setCaption("9");
    rig.advance(600);
    ASSERT_NE(announcement, nullptr);
    EXPECT_EQ(announcement->text(QAccessible::Name), "Credits: 9");

    ui::qt::AccessibleFollower::exchangeEventSink(before);
}

}  // namespace
