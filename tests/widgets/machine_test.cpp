#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "machine/form1.h"
#include "support/rig.h"

namespace widget_tests {
namespace {

TEST(MachineOnScreen, OpensWithAClientAreaOf448By418) {
    testing_support::Rig rig(testing_support::kOnScreen);
    rig.program.start();
    QWidget* machine = rig.widgetOf(rig.program.form1());
    ASSERT_NE(machine, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(machine));
    EXPECT_EQ(machine->size(), QSize(448, 418));
    EXPECT_EQ(machine->windowTitle(), "Quirvanto");
}

}  // namespace
}  // namespace widget_tests
