#include "fruit_pictures.h"

#include <cmath>
#include <numbers>

#include <QPainterPath>
#include <QPolygonF>

#include "picture_canvas.h"

namespace assets {

namespace {

using ui::DesignPicture;

const QColor kLeafGreen(0x3c, 0xa0, 0x2c);
const QColor kStemBrown(0x6d, 0x45, 0x1c);

void outline(QPainter& painter, const QColor& colour) {
    painter.setPen(QPen(colour, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void paintLeaf(QPainter& painter, QPointF base, qreal angle, qreal length) {
    painter.save();
    painter.translate(base);
    painter.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -length * 0.45, length * 0.75, -length * 0.4, length, 0);
    leaf.cubicTo(length * 0.75, length * 0.4, length * 0.3, length * 0.45, 0, 0);
    outline(painter, kLeafGreen.darker(220));
    painter.setBrush(canvas::vertical(-length * 0.4, length * 0.4, kLeafGreen.lighter(140),
                                      kLeafGreen.darker(130)));
    painter.drawPath(leaf);
    painter.setPen(QPen(kLeafGreen.darker(180), 0.6));
    painter.drawLine(QPointF(length * 0.1, 0), QPointF(length * 0.8, 0));
    painter.restore();
}

void paintStem(QPainter& painter, QPointF from, QPointF to) {
    painter.setPen(QPen(kStemBrown, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
}

// A fruit's skin: the outline in `rim`, lit from the upper left of the ball at `centre`.
void paintSkin(QPainter& painter, const QPainterPath& skin, const QColor& rim, QPointF centre,
               qreal radius, const QColor& base) {
    outline(painter, rim);
    painter.setBrush(canvas::shaded(centre, radius, base));
    painter.drawPath(skin);
}

void paintShine(QPainter& painter, QPointF centre, qreal rx, qreal ry) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawEllipse(centre, rx, ry);
}

void paintMelon(QPainter& painter) {
    const QPointF centre(16, 10.5);
    const auto halfDisc = [&](qreal radius, const QBrush& brush) {
        painter.setBrush(brush);
        painter.drawPie(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                        180 * 16, 180 * 16);
    };
    outline(painter, QColor(0x1b, 0x4d, 0x12));
    halfDisc(15, QColor(0x2e, 0x8b, 0x1f));
    painter.setPen(Qt::NoPen);
    halfDisc(13, QColor(0xd8, 0xf5, 0xb0));
    QRadialGradient flesh(centre, 12);
    flesh.setColorAt(0.0, QColor(0xff, 0x6b, 0x6b));
    flesh.setColorAt(1.0, QColor(0xe0, 0x1a, 0x33));
    halfDisc(12, flesh);
    const QPointF seeds[] = {{9.5, 14}, {16, 16}, {22.5, 14}, {12.5, 19.5}, {19.5, 19.5}};
    canvas::dots(painter, QColor(0x1a, 0x10, 0x10), seeds, 0.9, 1.4);
}

void paintBanana(QPainter& painter) {
    QPainterPath banana;
    banana.moveTo(3, 9);
    banana.quadTo(9, 32, 29, 11);
    banana.quadTo(14, 16, 3, 9);
    outline(painter, QColor(0x7a, 0x58, 0x00));
    painter.setBrush(canvas::vertical(10, 24, QColor(0xff, 0xf3, 0x80), QColor(0xf0, 0xb4, 0x10)));
    painter.drawPath(banana);
    painter.setPen(QPen(QColor(0xd0, 0x96, 0x00), 0.7));
    painter.setBrush(Qt::NoBrush);
    QPainterPath ridge;
    ridge.moveTo(5, 11);
    ridge.quadTo(11, 25, 27, 12.5);
    painter.drawPath(ridge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x4a, 0x32, 0x10));
    painter.drawEllipse(QPointF(3.4, 9.3), 1.2, 1.2);
    paintStem(painter, QPointF(28.5, 11), QPointF(30.5, 7.5));
}

void paintPear(QPainter& painter) {
    paintStem(painter, QPointF(16, 6), QPointF(17.5, 1.5));
    QPainterPath pear;
    pear.moveTo(16, 5);
    pear.cubicTo(19, 5, 19.5, 10, 21, 13);
    pear.cubicTo(27, 17, 27, 29.5, 16, 29.5);
    pear.cubicTo(5, 29.5, 5, 17, 11, 13);
    pear.cubicTo(12.5, 10, 13, 5, 16, 5);
    paintSkin(painter, pear, QColor(0x4d, 0x5f, 0x10), QPointF(16, 20), 13,
              QColor(0xb5, 0xd3, 0x34));
    paintShine(painter, QPointF(12, 19), 1.8, 3.2);
    paintLeaf(painter, QPointF(17.5, 3), -15, 8);
}

void paintStrawberry(QPainter& painter) {
    QPainterPath berry;
    berry.moveTo(16, 29.5);
    berry.cubicTo(9, 26, 3.5, 17, 5, 12);
    berry.cubicTo(6.5, 8, 12, 8.5, 16, 9.5);
    berry.cubicTo(20, 8.5, 25.5, 8, 27, 12);
    berry.cubicTo(28.5, 17, 23, 26, 16, 29.5);
    paintSkin(painter, berry, QColor(0x70, 0x00, 0x10), QPointF(16, 17), 13,
              QColor(0xe8, 0x20, 0x2f));
    const QPointF seeds[] = {{10, 14},     {16, 13.5}, {22, 14},   {8.5, 18.5}, {13, 18},  {19, 18},
                             {23.5, 18.5}, {11, 22.5}, {16, 22.5}, {21, 22.5},  {16, 26.5}};
    canvas::dots(painter, QColor(0xff, 0xe0, 0x6a), seeds, 0.6, 0.9);
    QPolygonF crown;
    for (int point = 0; point < 10; ++point) {
        const qreal angle = std::numbers::pi * point / 5.0;
        const qreal radius = point % 2 == 0 ? 7.0 : 2.5;
        crown << QPointF(16 + radius * std::sin(angle), 9.5 - 0.55 * radius * std::cos(angle));
    }
    outline(painter, kLeafGreen.darker(220));
    painter.setBrush(kLeafGreen);
    painter.drawPolygon(crown);
    paintStem(painter, QPointF(16, 8), QPointF(16.5, 3.5));
}

void paintNumberTile(QPainter& painter) {
    canvas::panel(painter, QRectF(2.5, 2.5, 27, 27), 5, QPen(QColor(0x0a, 0x24, 0x60), 1.0),
                  canvas::vertical(2, 30, QColor(0x4f, 0xa8, 0xff), QColor(0x10, 0x4a, 0xb0)));
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    painter.drawLine(QPointF(6, 4.5), QPointF(26, 4.5));

    QPainterPath digit;
    const QFont font = canvas::blackFont(22);
    digit.addText(0, 0, font, QStringLiteral("7"));
    const QRectF box = digit.boundingRect();
    digit.translate(16 - box.center().x(), 16.5 - box.center().y());
    painter.setPen(QPen(QColor(0x06, 0x18, 0x40), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(digit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(digit);
}

void paintPlum(QPainter& painter) {
    paintStem(painter, QPointF(16, 8), QPointF(17, 3));
    outline(painter, QColor(0x2a, 0x06, 0x38));
    painter.setBrush(canvas::shaded(QPointF(16, 18.5), 12, QColor(0x7b, 0x2d, 0x9e)));
    painter.drawEllipse(QPointF(16, 18.5), 11.5, 11);
    painter.setPen(QPen(QColor(0x4a, 0x10, 0x60), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath crease;
    crease.moveTo(16, 8);
    crease.cubicTo(20, 13, 19, 23, 14, 29);
    painter.drawPath(crease);
    paintShine(painter, QPointF(10.5, 14.5), 2, 3);
    paintLeaf(painter, QPointF(17, 4), -25, 9);
}

void paintApple(QPainter& painter) {
    paintStem(painter, QPointF(16, 10), QPointF(17.5, 3));
    QPainterPath apple;
    apple.moveTo(16, 9);
    apple.cubicTo(20, 6, 29, 7, 28.5, 17);
    apple.cubicTo(28, 25, 22, 30, 19, 29.5);
    apple.cubicTo(17.5, 29.2, 14.5, 29.2, 13, 29.5);
    apple.cubicTo(10, 30, 4, 25, 3.5, 17);
    apple.cubicTo(3, 7, 12, 6, 16, 9);
    paintSkin(painter, apple, QColor(0x5a, 0x05, 0x05), QPointF(15, 18), 14,
              QColor(0xd8, 0x1e, 0x1e));
    paintShine(painter, QPointF(9, 14), 1.8, 3.2);
    paintLeaf(painter, QPointF(17.5, 5), -20, 9);
}

void paintLemon(QPainter& painter) {
    painter.save();
    painter.translate(16, 17);
    painter.rotate(-20);
    QPainterPath lemon;
    lemon.moveTo(-14, 0);
    lemon.cubicTo(-12.5, -1, -11.5, -2, -10.5, -3.5);
    lemon.cubicTo(-7, -10.5, 7, -10.5, 10.5, -3.5);
    lemon.cubicTo(11.5, -2, 12.5, -1, 14, 0);
    lemon.cubicTo(12.5, 1, 11.5, 2, 10.5, 3.5);
    lemon.cubicTo(7, 10.5, -7, 10.5, -10.5, 3.5);
    lemon.cubicTo(-11.5, 2, -12.5, 1, -14, 0);
    paintSkin(painter, lemon, QColor(0x80, 0x66, 0x00), QPointF(0, 0), 12,
              QColor(0xff, 0xde, 0x2a));
    const QPointF pores[] = {{3, 2}, {6, -1}, {-1, 5}, {7, 4}, {2, -4}, {-4, 1}};
    canvas::dots(painter, QColor(0xd0, 0xa8, 0x00, 140), pores, 0.45, 0.45);
    paintShine(painter, QPointF(-5, -3.5), 3.5, 1.5);
    painter.restore();
}

void paintOrange(QPainter& painter) {
    outline(painter, QColor(0x7a, 0x33, 0x00));
    painter.setBrush(canvas::shaded(QPointF(16, 18), 12.5, QColor(0xff, 0x8c, 0x00)));
    painter.drawEllipse(QPointF(16, 18), 12, 12);
    const QPointF pores[] = {{20, 16}, {23, 20}, {18, 22}, {21, 25}, {14, 25},
                             {25, 15}, {11, 21}, {17, 12}, {9, 17}};
    canvas::dots(painter, QColor(0xc0, 0x50, 0x00, 150), pores, 0.5, 0.5);
    paintShine(painter, QPointF(10.5, 13), 2.2, 3);
    painter.setBrush(kStemBrown);
    painter.drawEllipse(QPointF(16, 6.5), 1.4, 1.0);
    paintLeaf(painter, QPointF(16.5, 6.5), -30, 9);
}

void paintCherries(QPainter& painter) {
    painter.setPen(QPen(QColor(0x4f, 0x6a, 0x1a), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath stems;
    stems.moveTo(10, 18);
    stems.quadTo(11, 9, 19, 4);
    stems.moveTo(21.5, 17);
    stems.quadTo(20, 9, 19, 4);
    painter.drawPath(stems);
    paintLeaf(painter, QPointF(19, 4), 10, 9);
    const QPointF berries[] = {{10, 23}, {21.5, 22}};
    for (const QPointF berry : berries) {
        outline(painter, QColor(0x50, 0x00, 0x08));
        painter.setBrush(canvas::shaded(berry, 6.5, QColor(0xd8, 0x06, 0x1e)));
        painter.drawEllipse(berry, 6.2, 6.2);
        paintShine(painter, berry + QPointF(-2.3, -2.3), 1.3, 1.8);
    }
}

}  // namespace

void paintFruit(QPainter& painter, DesignPicture which) {
    switch (which) {
        case DesignPicture::Melon:
            paintMelon(painter);
            break;
        case DesignPicture::Banana:
            paintBanana(painter);
            break;
        case DesignPicture::Pear:
            paintPear(painter);
            break;
        case DesignPicture::Strawberry:
            paintStrawberry(painter);
            break;
        case DesignPicture::NumberTile:
            paintNumberTile(painter);
            break;
        case DesignPicture::Plum:
            paintPlum(painter);
            break;
        case DesignPicture::Apple:
            paintApple(painter);
            break;
        case DesignPicture::Lemon:
            paintLemon(painter);
            break;
        case DesignPicture::Orange:
            paintOrange(painter);
            break;
        case DesignPicture::Cherries:
            paintCherries(painter);
            break;
        default:
            break;
    }
}

}  // namespace assets
