#include "ui/qt/qt_pointers.h"

#include <QGuiApplication>
#include <QPixmap>
#include <cmath>

#include "ui/qt/qt_picture.h"

namespace ui::qt {

namespace {

// Qt 6.4 takes a pointer's hot spot in a different unit on each platform: X11 in the device
// pixels of its picture, Wayland in logical pixels.
double hotSpotScale(double ratio) {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ? 1.0 : ratio;
}

}  // namespace

QCursor pointerOf(const Picture& picture, Qt::CursorShape fallback, double ratio) {
    const auto* drawn = dynamic_cast<const QtPicture*>(picture.get());
    if (drawn == nullptr || drawn->image().isNull()) {
        return QCursor(fallback);
    }
    const QSize logical = drawn->image().deviceIndependentSize().toSize();
    QImage image =
        drawn->image().scaled(logical * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    const QPointF hotSpot = QPointF(drawn->hotSpot()) * hotSpotScale(ratio);
    return QCursor(QPixmap::fromImage(image), static_cast<int>(std::lround(hotSpot.x())),
                   static_cast<int>(std::lround(hotSpot.y())));
}

const QCursor& GamePointers::clickPointer(PictureSource& pictures) {
    if (!clickPointer_) {
        clickPointer_ = pointerOf(pictures.design(DesignPicture::ClickPointer),
                                  Qt::PointingHandCursor, qApp->devicePixelRatio());
    }
    return *clickPointer_;
}

QCursor GamePointers::windowPointer(PictureSource& pictures) {
    return pointerOf(pictures.design(DesignPicture::WindowPointer), Qt::ArrowCursor,
                     qApp->devicePixelRatio());
}

}  // namespace ui::qt
