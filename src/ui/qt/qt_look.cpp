#include "ui/qt/qt_look.h"

#include <QFontDatabase>
#include <cmath>

namespace ui::qt {

namespace {

const QString& gameFamily() {
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Arial Black"))
                                      ? QStringLiteral("Arial Black")
                                      : QStringLiteral("Lato");
    return family;
}

}  // namespace

QColor toQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QRect toPixels(Rect rect) {
    return QRect(toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                 toPixels(rect.height));
}

QFont gameFont(double points) {
    QFont font(gameFamily());
    font.setWeight(QFont::Black);
    font.setPixelSize(static_cast<int>(std::lround(points * 4.0 / 3.0)));
    return font;
}

}  // namespace ui::qt
