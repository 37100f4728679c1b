#include "ui/qt/qt_text_measure.h"

#include <QFontMetrics>
#include <QString>

#include "ui/qt/qt_look.h"

namespace ui::qt {

Twips QtTextMeasure::width(std::string_view text, double points) {
    const QFontMetrics metrics(gameFont(points));
    const QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return metrics.horizontalAdvance(caption) * kTwipsPerPixel;
}

}  // namespace ui::qt
