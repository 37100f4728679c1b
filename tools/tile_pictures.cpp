#include "tile_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/qt/qt_look.h"

namespace assets {

namespace {

constexpr int kTileSize = 64;

// One colour per value, around the colour wheel, so equal tiles are seen at a glance.
constexpr QRgb kTileColours[] = {
    0xe53935,  // 1 red
    0xfb8c00,  // 2 orange
    0xfdd835,  // 3 yellow
    0x43a047,  // 4 green
    0x00897b,  // 5 teal
    0x1e88e5,  // 6 blue
    0x3949ab,  // 7 indigo
    0x8e24aa,  // 8 purple
    0x6d4c41,  // 9 brown
};

QFont digitFont() {
    QFont font = ui::qt::blackFace();
    font.setPixelSize(46);
    return font;
}

}  // namespace

QImage drawNumberTile(int value) {
    const QColor colour(kTileColours[value - 1]);
    QImage tile(kTileSize, kTileSize, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF body(2, 2, kTileSize - 4, kTileSize - 4);
    QLinearGradient fill(0, body.top(), 0, body.bottom());
    fill.setColorAt(0.0, colour.lighter(135));
    fill.setColorAt(0.55, colour);
    fill.setColorAt(1.0, colour.darker(160));
    painter.setPen(QPen(colour.darker(260), 2.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, 11, 11);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13, 6.5), QPointF(kTileSize - 13, 6.5));

    QPainterPath digit;
    digit.addText(0, 0, digitFont(), QString::number(value));
    const QRectF box = digit.boundingRect();
    digit.translate(kTileSize / 2.0 - box.center().x(), kTileSize / 2.0 - box.center().y());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(digit.translated(1.5, 2.0));
    painter.setPen(QPen(colour.darker(300), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(digit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(digit);
    return tile;
}

}  // namespace assets
