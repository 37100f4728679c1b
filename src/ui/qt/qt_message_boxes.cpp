#include "ui/qt/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>

#include "ui/qt/qt_game_window.h"
#include "ui/qt/qt_look.h"

namespace ui::qt {

namespace {

constexpr int kIconPixels = 32;
const QColor kIconBlue = toQColor(0xB85F1C);

// The information icon, drawn in the game's face at the screen's scale: a blue disc with a white
// "i". The desktop theme's icon would load its icon engine and every image reader.
QPixmap informationIcon(const QWidget* over) {
    const qreal scale = over != nullptr ? over->devicePixelRatioF() : qApp->devicePixelRatio();
    QPixmap icon(QSize(kIconPixels, kIconPixels) * scale);
    icon.setDevicePixelRatio(scale);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kIconBlue);
    painter.drawEllipse(QRectF(1, 1, kIconPixels - 2, kIconPixels - 2));
    QFont face = blackFace();
    face.setPixelSize(kIconPixels * 2 / 3);
    painter.setFont(face);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, kIconPixels, kIconPixels), Qt::AlignCenter, QStringLiteral("i"));
    return icon;
}

}  // namespace

void QtMessageBoxes::show(std::string_view text) {
    // Over the window in front, which shows it: the window manager keeps it in front of that one.
    QWidget* parent = frontGameWindow();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quirvanto"), toQString(text),
                    QMessageBox::NoButton, parent);
    box.setIconPixmap(informationIcon(parent));
    // A button of its own: a standard one would fetch its icon from the desktop's theme.
    box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
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
