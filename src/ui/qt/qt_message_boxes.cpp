#include "ui/qt/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/qt/qt_game_window.h"
#include "ui/qt/qt_look.h"

namespace ui::qt {

void QtMessageBoxes::show(std::string_view text) {
    // Over the window in front, which shows it: the window manager keeps it in front of that one.
    QWidget* parent = frontGameWindow();
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quirvanto"), toQString(text),
                    QMessageBox::Ok, parent);
    // The player answers it with the keyboard too, also where no window manager gives it the
    // focus; a program in the background never takes the focus from another one.
    if (QGuiApplication::applicationState() == Qt::ApplicationActive) {
        box.show();
        box.activateWindow();
    }
    box.exec();
    // The window under it gets the keyboard back, also where no window manager gives it.
    if (parent != nullptr && parent->isVisible() &&
        QGuiApplication::applicationState() == Qt::ApplicationActive) {
        parent->activateWindow();
    }
}

}  // namespace ui::qt
