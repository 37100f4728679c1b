#include "ui/qt/qt_pointers.h"

#include <QPixmap>
#include <cmath>

#include "ui/qt/qt_picture.h"

namespace ui::qt {

// The X11 platform of Qt 6.4 takes a pointer's hot spot in the device pixels of its picture.
QCursor pointerOf(const Picture& picture, Qt::CursorShape fallback, double ratio) {
    const auto* drawn = dynamic_cast<const QtPicture*>(picture.get());
    if (drawn == nullptr || drawn->image().isNull()) {
        return QCursor(fallback);
    }
    const QSize logical = drawn->image().deviceIndependentSize().toSize();
    QImage image =
        drawn->image().scaled(logical * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    const QPoint hotSpot = drawn->hotSpot();
    return QCursor(QPixmap::fromImage(image), static_cast<int>(std::lround(hotSpot.x() * ratio)),
                   static_cast<int>(std::lround(hotSpot.y() * ratio)));
}

}  // namespace ui::qt
