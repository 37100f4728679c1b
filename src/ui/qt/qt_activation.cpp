#include "ui/qt/qt_activation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#include "ui/qt/qt_game_window.h"

namespace ui::qt {

namespace {

// A modal window that is not one of the game's is a message box.
bool messageBoxOpen() {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && dynamic_cast<GameWindow*>(modal) == nullptr;
}

}  // namespace

void activateShown(QWidget& window) {
    window.activateWindow();
    window.raise();
}

bool programHasTheKeyboard(const QWidget& window) {
    return window.isActiveWindow() ||
           (QApplication::activeWindow() == nullptr &&
            QGuiApplication::applicationState() == Qt::ApplicationActive);
}

void activateFrontWindow() {
    if (GameWindow* front = frontGameWindow()) {
        front->activateWindow();
        front->raise();
    }
}

void takeFocusIfFree(QWidget& window) {
    if (QGuiApplication::applicationState() != Qt::ApplicationActive || messageBoxOpen() ||
        !window.isVisible()) {
        return;
    }
    if (QApplication::activeWindow() != &window) {
        window.activateWindow();
        window.raise();
    }
    window.setFocus(Qt::OtherFocusReason);
}

}  // namespace ui::qt
