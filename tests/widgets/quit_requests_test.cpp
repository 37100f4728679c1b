#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include "machine/form1.h"
#include "support/rig.h"
#include "title/form6.h"
#include "ui/qt/qt_quit_requests.h"

namespace widget_tests {
namespace {

// A logout asks the program to quit through QCoreApplication::quit(): the game ends at once,
// instead of the machine answering the close with the title window and so refusing the quit.
TEST(QuitRequests, QuitEndsTheGameWithoutTheTitleWindow) {
    testing_support::Rig rig{{.onScreen = true}};
    const ui::qt::QuitRequests quitRequests(rig.program);
    rig.program.start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.widgetOf(rig.program.form1())));

    QTimer::singleShot(0, &QCoreApplication::quit);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // the quit was refused
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(rig.program.ended());
    EXPECT_EQ(rig.terminator.quits, 1);
    EXPECT_FALSE(rig.program.form6().loaded());
    EXPECT_FALSE(rig.widgetOf(rig.program.form1())->isVisible());
}

}  // namespace
}  // namespace widget_tests
