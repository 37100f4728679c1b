#include "ui/qt/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/qt/qt_game_window.h"

namespace ui::qt {

void QtMessageBoxes::show(std::string_view text) {
    QWidget* parent = dynamic_cast<GameWindow*>(QApplication::activeWindow());
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quirvanto"),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace ui::qt
