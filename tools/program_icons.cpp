#include "program_icons.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>

#include "design_pictures.h"

namespace assets {

namespace {

// The size the scalable icon gives for itself; a desktop scales it to any size.
constexpr int kScalableSize = 64;

QString iconFolder(const std::string& themeFolder, const QString& size) {
    return QStringLiteral("%1/%2/apps").arg(QString::fromStdString(themeFolder), size);
}

QImage drawIcon(int pixels) {
    QImage icon(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintProgramIcon(painter, pixels);
    return icon;
}

bool writeScalableIcon(const QString& file) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(kScalableSize, kScalableSize));
    svg.setViewBox(QRect(0, 0, kScalableSize, kScalableSize));
    svg.setTitle(QStringLiteral("Quirvanto"));
    svg.setDescription(QStringLiteral("A red slot machine with three sevens and its lever"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    paintProgramIcon(painter, kScalableSize);
    painter.end();
    return QFileInfo(file).size() > 0;
}

}  // namespace

bool writeProgramIcons(const std::string& themeFolder, const std::string& iconName) {
    const QString fileName = QString::fromStdString(iconName);
    for (const int size : kIconSizes) {
        const QString folder = iconFolder(themeFolder, QStringLiteral("%1x%1").arg(size));
        if (!QDir().mkpath(folder) ||
            !drawIcon(size).save(folder + '/' + fileName + ".png", "PNG")) {
            return false;
        }
    }
    const QString scalable = iconFolder(themeFolder, QStringLiteral("scalable"));
    return QDir().mkpath(scalable) && writeScalableIcon(scalable + '/' + fileName + ".svg");
}

}  // namespace assets
