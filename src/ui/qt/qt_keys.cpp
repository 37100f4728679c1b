#include "ui/qt/qt_keys.h"

#include <QKeyEvent>

#include "ui/types.h"

namespace ui::qt {

namespace {

constexpr int kFirstPrintable = 0x20;
constexpr int kLastPrintable = 0x7E;

// X key codes of the main row's digit keys, 1 to 9 then 0 (evdev codes 2 to 11, plus 8).
constexpr quint32 kMainRowFirst = 10;
constexpr quint32 kMainRowLast = 19;

std::optional<int> mainRowDigitOf(quint32 scanCode) {
    if (scanCode < kMainRowFirst || scanCode > kMainRowLast) {
        return std::nullopt;
    }
    return '0' + static_cast<int>((scanCode - kMainRowFirst + 1) % 10);
}

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

// The printable ASCII character a key types.
std::optional<int> printableOf(const QString& text) {
    if (text.size() == 1) {
        const int unicode = text.front().unicode();
        if (unicode >= kFirstPrintable && unicode <= kLastPrintable) {
            return unicode;
        }
    }
    return std::nullopt;
}

}  // namespace

// The key's own symbol comes first, so that a virtual keyboard with a keymap of its own (one
// that puts "a" on key code 10) types what it says; the main-row position only reads a key whose
// symbol is no digit or letter. ENTER and ESC are characters of their own code, whatever text
// the platform gives them.
GameKey translateKey(const QKeyEvent& event) {
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    std::optional<int> keyCode = keyCodeOf(event.key(), keypad);
    if (!keyCode && !keypad) {
        keyCode = mainRowDigitOf(event.nativeScanCode());
    }
    if (keyCode == key::kEnter || keyCode == key::kEscape) {
        return {keyCode, keyCode};
    }
    return {keyCode, printableOf(event.text())};
}

}  // namespace ui::qt
