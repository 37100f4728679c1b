#include "ui/qt/qt_text_measure.h"

#include <QFontMetrics>
#include <QString>

#include "ui/qt/qt_look.h"

namespace ui::qt {

Twips QtTextMeasure::width(std::string_view text, double points) {
    return QFontMetrics(gameFont(points)).horizontalAdvance(toQString(text)) * kTwipsPerPixel;
}

}  // namespace ui::qt
