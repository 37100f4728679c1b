#include "picture_canvas.h"

#include "ui/qt/qt_look.h"
#include "ui/qt/qt_picture.h"

namespace assets::canvas {

namespace {

constexpr qreal kScale = 2.0;

}  // namespace

QImage newPicture() {
    QImage picture(ui::qt::kPictureSize * kScale, ui::qt::kPictureSize * kScale,
                   QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(kScale);
    picture.fill(Qt::transparent);
    return picture;
}

void begin(QPainter& painter, QImage& picture) {
    painter.begin(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QRadialGradient shaded(QPointF centre, qreal radius, const QColor& base) {
    QRadialGradient gradient(centre, radius, centre - QPointF(radius * 0.35, radius * 0.4));
    gradient.setColorAt(0.0, base.lighter(170));
    gradient.setColorAt(0.45, base);
    gradient.setColorAt(1.0, base.darker(180));
    return gradient;
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& from, const QColor& to) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0.0, from);
    gradient.setColorAt(1.0, to);
    return gradient;
}

void panel(QPainter& painter, const QRectF& rect, qreal radius, const QPen& border,
           const QBrush& fill) {
    painter.setPen(border);
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, radius, radius);
}

void dots(QPainter& painter, const QColor& colour, std::span<const QPointF> centres, qreal rx,
          qreal ry) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (const QPointF centre : centres) {
        painter.drawEllipse(centre, rx, ry);
    }
}

QFont blackFont(qreal pixelSize) {
    QFont font = ui::qt::blackFace();
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace assets::canvas
