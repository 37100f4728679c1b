#include <gtest/gtest.h>

#include <QKeyEvent>

#include "screen.h"
#include "ui/qt/qt_keys.h"

namespace widget_tests {
namespace {

using ui::qt::translateKey;

struct KeyCase {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    QString text;
    std::optional<int> keyCode;
    std::optional<int> character;
};

TEST(KeyTranslation, GivesTheGameItsKeyCodesAndCharacters) {
    const KeyCase cases[] = {
        {Qt::Key_A, Qt::NoModifier, "a", 65, 'a'},
        {Qt::Key_Z, Qt::ShiftModifier, "Z", 90, 'Z'},
        {Qt::Key_1, Qt::NoModifier, "1", 49, '1'},
        {Qt::Key_5, Qt::NoModifier, "5", 53, '5'},
        {Qt::Key_5, Qt::KeypadModifier, "5", 101, '5'},
        {Qt::Key_0, Qt::KeypadModifier, "0", 96, '0'},
        {Qt::Key_9, Qt::KeypadModifier, "9", 105, '9'},
        {Qt::Key_Space, Qt::NoModifier, " ", 32, 32},
        {Qt::Key_Return, Qt::NoModifier, "\r", 13, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13, 13},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27, 27},
        {Qt::Key_Plus, Qt::NoModifier, "+", std::nullopt, '+'},
        {Qt::Key_F1, Qt::NoModifier, "", std::nullopt, std::nullopt},
        {Qt::Key_Shift, Qt::ShiftModifier, "", std::nullopt, std::nullopt},
        {Qt::Key_Eacute, Qt::NoModifier, "\u00e9", std::nullopt, std::nullopt},
    };
    for (const KeyCase& key : cases) {
        const ui::qt::GameKey game = translateKey(key.qtKey, key.modifiers, key.text);
        EXPECT_EQ(game.keyCode, key.keyCode) << key.qtKey;
        EXPECT_EQ(game.character, key.character) << key.qtKey;
    }
}

using KeysOnScreen = ScreenTest;

TEST_F(KeysOnScreen, KeypadKeysReachTheWindowAsKeypadCodesAndEnter) {
    QTest::keyClick(window->windowHandle(), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(window->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(panel.keysDown, (std::vector<int>{101, 13}));
    EXPECT_EQ(panel.keysPressed, (std::vector<int>{'5', 13}));
}

TEST_F(KeysOnScreen, EveryAutoRepeatCountsWhateverChildHasTheKey) {
    QWidget* child = window->childAt(20, 20);
    ASSERT_NE(child, nullptr);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", i > 0);
        QCoreApplication::sendEvent(child, &repeat);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    QCoreApplication::sendEvent(child, &release);
    EXPECT_EQ(panel.keysDown, (std::vector<int>{32, 32, 32}));
    EXPECT_EQ(panel.keysPressed, (std::vector<int>{32, 32, 32}));
}

}  // namespace
}  // namespace widget_tests
