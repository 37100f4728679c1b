#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>

#include "screen.h"
#include "ui/qt/qt_control_widgets.h"
#include "ui/qt/qt_keys.h"

namespace widget_tests {
namespace {

using WindowOnScreen = ScreenTest;

// Key codes from the digit or letter a key types, whatever Shift, Caps Lock or the layout do; from
// the main-row position (X key codes 10..19) for a key there that types neither; 0 is a key with
// no native code. A virtual keyboard's keymap puts any symbol on any key code.
TEST(KeyTranslation, GivesTheGameItsKeyCodesAndCharactersWhateverTheModifiers) {
    struct KeyCase {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode;
        QString text;
        std::optional<int> keyCode;
        std::optional<int> character;
    };
    const KeyCase cases[] = {
        {Qt::Key_A, Qt::NoModifier, 38, "a", 65, 'a'},
        {Qt::Key_A, Qt::NoModifier, 24, "A", 65, 'A'},  // Caps Lock, French layout
        {Qt::Key_Z, Qt::ShiftModifier, 0, "Z", 90, 'Z'},
        {Qt::Key_5, Qt::NoModifier, 14, "5", 53, '5'},
        {Qt::Key_Percent, Qt::ShiftModifier, 14, "%", 53, '%'},
        {Qt::Key_ParenLeft, Qt::NoModifier, 14, "(", 53, '('},  // French layout
        {Qt::Key_Exclam, Qt::ShiftModifier, 10, "!", 49, '!'},
        {Qt::Key_Eacute, Qt::NoModifier, 11, "\u00e9", 50, std::nullopt},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 19, ")", 48, ')'},
        {Qt::Key_1, Qt::NoModifier, 0, "1", 49, '1'},
        {Qt::Key_A, Qt::NoModifier, 10, "a", 65, 'a'},  // virtual keymaps
        {Qt::Key_Z, Qt::NoModifier, 10, "z", 90, 'z'},
        {Qt::Key_3, Qt::NoModifier, 11, "3", 51, '3'},
        {Qt::Key_Percent, Qt::NoModifier, 12, "%", 51, '%'},
        {Qt::Key_Percent, Qt::ShiftModifier, 38, "%", std::nullopt, '%'},
        {Qt::Key_Plus, Qt::KeypadModifier, 10, "+", std::nullopt, '+'},
        {Qt::Key_0, Qt::KeypadModifier, 90, "0", 96, '0'},
        {Qt::Key_9, Qt::KeypadModifier, 81, "9", 105, '9'},
        {Qt::Key_Space, Qt::ShiftModifier, 65, " ", 32, 32},
        {Qt::Key_Return, Qt::NoModifier, 36, "\r", 13, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 104, "", 13, 13},
        {Qt::Key_Escape, Qt::NoModifier, 9, "", 27, 27},
        {Qt::Key_Plus, Qt::NoModifier, 86, "+", std::nullopt, '+'},
        {Qt::Key_F1, Qt::NoModifier, 67, "", std::nullopt, std::nullopt},
    };
    for (const KeyCase& key : cases) {
        SCOPED_TRACE(key.text.toStdString() + " on key code " + std::to_string(key.scanCode));
        const QKeyEvent event(QEvent::KeyPress, key.qtKey, key.modifiers, key.scanCode, 0, 0,
                              key.text);
        const ui::qt::GameKey game = ui::qt::translateKey(event);
        EXPECT_EQ(game.keyCode, key.keyCode);
        EXPECT_EQ(game.character, key.character);
    }
}

TEST_F(WindowOnScreen, EveryKeyAndEveryAutoRepeatReachesTheWindowWhateverChildHasIt) {
    for (const bool autoRepeat : {false, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", autoRepeat);
        QCoreApplication::sendEvent(window->childAt(20, 20), &press);
    }
    EXPECT_EQ(form.keysDown, (std::vector<int>{32, 32, 32}));
    EXPECT_EQ(form.keysPressed, (std::vector<int>{32, 32, 32}));
}

TEST_F(WindowOnScreen, UnloadingFromItsOwnClickThenLoadingAgainGivesFreshControls) {
    form.unloadOnSpin = true;
    click({20, 20});
    EXPECT_FALSE(window->isVisible());

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form.unloadOnSpin = false;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QList<QWidget*> children = window->findChildren<QWidget*>();
    EXPECT_EQ(std::count_if(children.begin(), children.end(),
                            [](QWidget* child) {
                                return dynamic_cast<ui::qt::ControlWidget*>(child) != nullptr;
                            }),
              10);
    click({20, 20});
    EXPECT_EQ(form.spins, 2);
}

}  // namespace
}  // namespace widget_tests
