#include "design_pictures.h"

#include <QPainterPath>
#include <QPolygonF>

#include "fruit_pictures.h"
#include "picture_canvas.h"
#include "ui/qt/qt_picture.h"

namespace assets {

namespace {

using ui::DesignPicture;

constexpr QPoint kFingertip{11, 1};
constexpr QPoint kArrowTip{1, 1};

// A dark rounded tile with "1", "2", "3" and "!" in the colours of the number tiles.
void paintInitialTile(QPainter& painter) {
    canvas::panel(painter, QRectF(1, 1, 30, 30), 5, QPen(QColor(0x8a, 0x90, 0xb0), 1.0),
                  canvas::vertical(0, 32, QColor(0x3a, 0x3d, 0x52), QColor(0x16, 0x17, 0x22)));

    struct Glyph {
        const char* text;
        QRectF cell;
        QColor colour;
    };
    const Glyph glyphs[] = {
        {"1", QRectF(3, 2, 13, 14), QColor(0xff, 0x5a, 0x4e)},
        {"2", QRectF(16, 2, 13, 14), QColor(0xff, 0xa7, 0x26)},
        {"3", QRectF(3, 16, 13, 14), QColor(0xff, 0xe0, 0x3d)},
        {"!", QRectF(16, 16, 13, 14), QColor(0xff, 0xff, 0xff)},
    };
    painter.setFont(canvas::blackFont(13));
    for (const Glyph& glyph : glyphs) {
        painter.setPen(QColor(0, 0, 0, 160));
        painter.drawText(glyph.cell.translated(0.6, 0.8), Qt::AlignCenter, glyph.text);
        painter.setPen(glyph.colour);
        painter.drawText(glyph.cell, Qt::AlignCenter, glyph.text);
    }
}

void paintRowArrow(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, 32, 32), Qt::black);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(9, 6), QPointF(25, 16), QPointF(9, 26)}));
}

// A white-gloved hand pointing up with its index finger, on a gold cuff.
void paintClickPointer(QPainter& painter) {
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9, 0.5, 5, 17), 2.5, 2.5);
    hand.addRoundedRect(QRectF(13.5, 10.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(17.5, 11.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(21.5, 13, 4.5, 8), 2.2, 2.2);
    hand.addRoundedRect(QRectF(9, 14, 17, 12), 4, 4);
    hand.setFillRule(Qt::WindingFill);
    QPainterPath thumb;
    thumb.moveTo(10, 22);
    thumb.cubicTo(7, 20, 5, 17, 3.5, 17.5);
    thumb.cubicTo(1.5, 18.5, 3, 21.5, 5, 23.5);
    thumb.cubicTo(7, 25.5, 9, 26, 10, 26);
    thumb.closeSubpath();

    // One outline round the whole hand: the parts are outlined with a wide pen, then filled over
    // it, so only the outer half of each line shows and no line runs between the parts. (Joining
    // the parts into one path took a quarter of the time the machine window needs to load.)
    const QPen outline(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QColor skin(0xfd, 0xfd, 0xf6);
    painter.strokePath(hand, outline);
    painter.strokePath(thumb, outline);
    painter.fillPath(hand, skin);
    painter.fillPath(thumb, skin);

    painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13.7, 14), QPointF(13.7, 18));
    painter.drawLine(QPointF(17.7, 14), QPointF(17.7, 19));
    painter.drawLine(QPointF(21.7, 15), QPointF(21.7, 19.5));

    canvas::panel(painter, QRectF(9.5, 25.5, 16, 6), 1.5, QPen(Qt::black, 1.1),
                  canvas::vertical(26, 31.5, QColor(0xff, 0xe0, 0x70), QColor(0xc8, 0x8a, 0x10)));
}

// The machine's own pointer: a yellow arrow with a coin, in the sixteen classic colours only
// and without smoothing, like the icons of its time.
void paintWindowPointer(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor black(0, 0, 0);
    const QColor yellow(0xff, 0xff, 0x00);
    const QColor olive(0x80, 0x80, 0x00);
    const QColor white(0xff, 0xff, 0xff);
    const QColor red(0xff, 0x00, 0x00);
    const QColor maroon(0x80, 0x00, 0x00);

    const QPolygonF arrow({QPointF(1, 1), QPointF(1, 22), QPointF(6, 17), QPointF(10, 26),
                           QPointF(14, 24.5), QPointF(10, 16), QPointF(17, 16)});
    painter.setPen(QPen(black, 1.0));
    painter.setBrush(yellow);
    painter.drawPolygon(arrow);
    painter.setPen(QPen(olive, 1.0));
    painter.drawLine(QPointF(3, 19), QPointF(6, 16));
    painter.drawLine(QPointF(6, 16), QPointF(11, 26));
    painter.setPen(QPen(white, 1.0));
    painter.drawLine(QPointF(2.5, 4.5), QPointF(2.5, 16));

    painter.setPen(QPen(maroon, 1.0));
    painter.setBrush(red);
    painter.drawEllipse(QRectF(19, 19, 12, 12));
    painter.setPen(QPen(yellow, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(21.5, 21.5, 7, 7));
    painter.setPen(QPen(white, 1.0));
    painter.drawLine(QPointF(21, 23), QPointF(23, 21));
}

// The program's emblem: a red slot machine with three sevens and its lever.
void paintEmblem(QPainter& painter) {
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(28, 21), QPointF(28, 8));
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(canvas::shaded(QPointF(28, 6.5), 3, QColor(0xe0, 0x20, 0x20)));
    painter.drawEllipse(QPointF(28, 6.5), 2.8, 2.8);

    canvas::panel(painter, QRectF(2.5, 7.5, 23, 22), 3, QPen(QColor(0x40, 0x00, 0x00), 1.0),
                  canvas::vertical(6, 30, QColor(0xf0, 0x3a, 0x3a), QColor(0x90, 0x10, 0x18)));
    painter.setBrush(QColor(0x70, 0x00, 0x08));
    painter.drawRect(QRectF(25.5, 17, 2.5, 5));

    canvas::panel(painter, QRectF(4.5, 1.5, 19, 7), 3, QPen(QColor(0x60, 0x40, 0x00), 1.0),
                  canvas::vertical(1, 8, QColor(0xff, 0xe8, 0x80), QColor(0xd4, 0x96, 0x10)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xff, 0xff, 220));
    for (int star = 0; star < 3; ++star) {
        painter.drawEllipse(QPointF(9 + star * 5, 5), 1.1, 1.1);
    }

    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(QColor(0xfa, 0xfa, 0xf2));
    painter.drawRoundedRect(QRectF(5, 11.5, 18, 10), 1.5, 1.5);
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.6));
    painter.drawLine(QPointF(11, 12), QPointF(11, 21));
    painter.drawLine(QPointF(17, 12), QPointF(17, 21));
    // The sevens as outlines, so that the scalable icon looks the same where the font is missing.
    QPainterPath seven;
    seven.addText(0, 0, canvas::blackFont(9), QStringLiteral("7"));
    seven.translate(-seven.boundingRect().center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd0, 0x10, 0x10));
    for (int reel = 0; reel < 3; ++reel) {
        painter.drawPath(seven.translated(8 + reel * 6, 16.5));
    }

    painter.setPen(QPen(QColor(0x30, 0x00, 0x00), 0.8));
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    painter.drawRoundedRect(QRectF(9, 24.5, 10, 2.5), 1, 1);
}

}  // namespace

QImage drawDesignPicture(DesignPicture which) {
    QImage picture = canvas::newPicture();
    QPainter painter;
    canvas::begin(painter, picture);
    switch (which) {
        case DesignPicture::InitialTile:
            paintInitialTile(painter);
            break;
        case DesignPicture::RowArrow:
            paintRowArrow(painter);
            break;
        case DesignPicture::ClickPointer:
            paintClickPointer(painter);
            break;
        case DesignPicture::WindowPointer:
            paintWindowPointer(painter);
            break;
        case DesignPicture::ProgramIcon:
            paintEmblem(painter);
            break;
        default:
            paintFruit(painter, which);
            break;
    }
    painter.end();
    return picture;
}

void paintProgramIcon(QPainter& painter, qreal pixels) {
    painter.save();
    painter.scale(pixels / ui::qt::kPictureSize, pixels / ui::qt::kPictureSize);
    paintEmblem(painter);
    painter.restore();
}

QPoint pointerHotSpot(DesignPicture which) {
    switch (which) {
        case DesignPicture::ClickPointer:
            return kFingertip;
        case DesignPicture::WindowPointer:
            return kArrowTip;
        default:
            return {0, 0};
    }
}

}  // namespace assets
