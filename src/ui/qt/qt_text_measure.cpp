#include "ui/qt/qt_text_measure.h"

#include <QFontMetrics>
#include <QString>
#include <limits>

#include "ui/qt/qt_look.h"

namespace ui::qt {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Twips QtTextMeasure::width(std::string_view text, double points) {
    return QFontMetrics(gameFont(points)).horizontalAdvance(toQString(text)) * kTwipsPerPixel;
}

Size QtTextMeasure::wrapped(std::string_view text, double points, Twips width) {
    const QRect room(0, 0, toPixels(width), std::numeric_limits<int>::max() / 2);
    const QRect box =
        QFontMetrics(gameFont(points)).boundingRect(room, kLabelTextFlags, toQString(text));
    return {box.width() * kTwipsPerPixel, box.height() * kTwipsPerPixel};
}

}  // namespace ui::qt
