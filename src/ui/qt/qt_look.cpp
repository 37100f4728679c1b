#include "ui/qt/qt_look.h"

#include <QFontDatabase>
#include <cmath>

namespace ui::qt {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor toQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QRect toPixels(Rect rect) {
    return QRect(toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                 toPixels(rect.height));
}

QFont blackFace() {
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Arial Black"))
                                      ? QStringLiteral("Arial Black")
                                      : QStringLiteral("Lato");
    QFont font(family);
    font.setWeight(QFont::Black);
    return font;
}

QFont gameFont(double points) {
    QFont font = blackFace();
    font.setPixelSize(static_cast<int>(std::lround(points * 4.0 / 3.0)));
    return font;
}

}  // namespace ui::qt
