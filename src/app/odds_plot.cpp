#include "app/odds_plot.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <memory>

#include "odds/model_player.h"
#include "ui/qt/qt_look.h"

namespace quirvanto {

namespace {

constexpr QSize kPicture{960, 440};
constexpr int kMargin = 48;
constexpr int kGap = 64;
constexpr double kTitlePoints = 12;
constexpr double kLabelPoints = 8.25;
// The machine's colours: its green board, the pale green of its captions, the wheel's reds.
const QColor kBoard = ui::qt::toQColor(0x008000);
const QColor kCaption = ui::qt::toQColor(0xC0FFC0);
const QColor kCurve = ui::qt::toQColor(0x00FFFF);
const QColor kBar = ui::qt::toQColor(0x8080FF);
constexpr int kSpinTicks = 5;

QString shareInPercent(double share) {
    return QString::number(100.0 * share, 'f', 1) + QStringLiteral(" %");
}

void drawSessions(QPainter& painter, const odds::Figures& figures, const odds::RunOptions& options,
                  const QRect& area) {
    painter.setFont(ui::qt::gameFont(kTitlePoints));
    painter.drawText(area.left(), area.top() - kMargin / 3,
                     QStringLiteral("Sessions from %1 credits at bet %2: still playing")
                         .arg(odds::sessionCredits(options.player.bet))
                         .arg(options.player.bet));
    painter.setFont(ui::qt::gameFont(kLabelPoints));
    painter.drawRect(area);
    for (int tick = 0; tick <= kSpinTicks; ++tick) {
        const int x = area.left() + area.width() * tick / kSpinTicks;
        painter.drawText(QRect(x - kMargin, area.bottom() + 4, 2 * kMargin, kMargin / 2),
                         Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(odds::kSessionSpinLimit * tick / kSpinTicks));
    }
    painter.drawText(QRect(area.left(), area.bottom() + kMargin / 2, area.width(), kMargin / 2),
                     Qt::AlignHCenter, QStringLiteral("spins"));
    for (const double share : {0.0, 0.5, 1.0}) {
        const int y = area.bottom() - static_cast<int>(share * area.height());
        painter.drawText(QRect(area.left() - kMargin, y - 8, kMargin - 4, 16),
                         Qt::AlignRight | Qt::AlignVCenter, shareInPercent(share));
    }
    QPolygonF curve;
    const auto last = static_cast<double>(std::max<std::size_t>(1, figures.survival.size() - 1));
    for (std::size_t spin = 0; spin < figures.survival.size(); ++spin) {
        curve << QPointF(area.left() + area.width() * static_cast<double>(spin) / last,
                         area.bottom() - figures.survival[spin] * area.height());
    }
    painter.save();
    painter.setPen(QPen(kCurve, 2));
    painter.drawPolyline(curve);
    painter.restore();
}

void drawReturn(QPainter& painter, const odds::Figures& figures, const QRect& area) {
    painter.setFont(ui::qt::gameFont(kTitlePoints));
    painter.drawText(area.left(), area.top() - kMargin / 3,
                     QStringLiteral("Where the return of %1 per credit comes from")
                         .arg(figures.returnPerCredit, 0, 'f', 3));
    painter.setFont(ui::qt::gameFont(kLabelPoints));
    const auto rows = static_cast<int>(figures.games.size());
    const int rowHeight = area.height() / std::max(1, rows);
    const int labels = area.width() * 2 / 5;
    double largest = 0;
    for (const odds::GameFigure& game : figures.games) {
        largest = std::max(largest, game.shareOfReturn);
    }
    for (int row = 0; row < rows; ++row) {
        const odds::GameFigure& game = figures.games[static_cast<std::size_t>(row)];
        const QRect line(area.left(), area.top() + row * rowHeight, area.width(), rowHeight);
        painter.drawText(line.adjusted(0, 0, labels - line.width(), 0),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(game.name));
        const int barRoom = line.width() - labels - kMargin * 3 / 2;
        const int bar = largest > 0 ? static_cast<int>(barRoom * game.shareOfReturn / largest) : 0;
        painter.fillRect(line.left() + labels, line.top() + rowHeight / 5, bar, rowHeight * 3 / 5,
                         kBar);
        painter.drawText(
            QRect(line.left() + labels + bar + 4, line.top(), kMargin * 3 / 2, rowHeight),
            Qt::AlignLeft | Qt::AlignVCenter, shareInPercent(game.shareOfReturn));
    }
}

void paint(QPainter& painter, const odds::Figures& figures, const odds::RunOptions& options) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), kPicture), kBoard);
    painter.setPen(kCaption);
    const int half = (kPicture.width() - 2 * kMargin - kGap) / 2;
    const int height = kPicture.height() - 2 * kMargin - kMargin / 2;
    drawSessions(painter, figures, options,
                 QRect(kMargin + kMargin / 2, kMargin, half - kMargin / 2, height));
    drawReturn(painter, figures, QRect(kMargin + half + kGap, kMargin, half, height));
}

}  // namespace

bool drawOddsPlot(const odds::Figures& figures, const odds::RunOptions& options,
                  const std::string& file, std::string& error) {
    // Fonts need an application; the offscreen platform gives one without reaching for a display.
    std::unique_ptr<QGuiApplication> application;
    if (QCoreApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "quirvanto";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    const QString path = QString::fromStdString(file);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(kPicture);
        svg.setViewBox(QRect(QPoint(0, 0), kPicture));
        svg.setTitle(QStringLiteral("Quirvanto odds"));
        QPainter painter;
        if (!painter.begin(&svg)) {
            error = "cannot write " + file;
            return false;
        }
        paint(painter, figures, options);
        return painter.end();
    }
    QImage image(kPicture, QImage::Format_RGB32);
    QPainter painter(&image);
    paint(painter, figures, options);
    painter.end();
    if (!image.save(path)) {
        error = "cannot write " + file;
        return false;
    }
    return true;
}

}  // namespace quirvanto
