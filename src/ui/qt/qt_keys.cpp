#include "ui/qt/qt_keys.h"

#include "ui/types.h"

namespace ui::qt {

namespace {

constexpr int kFirstPrintable = 0x20;
constexpr int kLastPrintable = 0x7E;

std::optional<int> keyCodeOf(int qtKey, bool keypad) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        const int digit = qtKey - Qt::Key_0;
        return keypad ? key::kKeypad0 + digit : '0' + digit;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return key::kA + (qtKey - Qt::Key_A);
    }
    switch (qtKey) {
        case Qt::Key_Space:
            return key::kSpace;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return key::kEnter;
        case Qt::Key_Escape:
            return key::kEscape;
        default:
            return std::nullopt;
    }
}

std::optional<int> characterOf(int qtKey, const QString& text) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return key::kEnter;
        case Qt::Key_Escape:
            return key::kEscape;
        default:
            break;
    }
    if (text.size() == 1) {
        const int unicode = text.front().unicode();
        if (unicode >= kFirstPrintable && unicode <= kLastPrintable) {
            return unicode;
        }
    }
    return std::nullopt;
}

}  // namespace

GameKey translateKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    return {keyCodeOf(qtKey, modifiers.testFlag(Qt::KeypadModifier)), characterOf(qtKey, text)};
}

}  // namespace ui::qt
