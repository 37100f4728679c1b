#include "media/picture_files.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "media/asset_file.h"
#include "media/prerendered_designs.h"
#include "ui/qt/qt_picture.h"

namespace quirvanto {

namespace {

// Our own tiles are a few kilobytes; a file beyond this is not a tile picture.
constexpr std::int64_t kMaxPictureFileBytes = 128 << 20;

// The device pixels of a tile: 64 x 64 at least, so that a tile is crisp on a 2x screen, and more
// where the screen has a higher ratio still.
int tileDevicePixels() {
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    return ui::qt::kPictureSize * std::max(2, static_cast<int>(std::ceil(ratio)));
}

ui::Picture decodeFile(const std::string& path) {
    auto asset = AssetFile::open(path, kMaxPictureFileBytes);
    if (!asset) {
        return nullptr;
    }
    QFile file;
    if (!file.open(asset->release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        return nullptr;
    }
    QImageReader reader(&file, "PNG");
    // Qt's own PNG reader alone: looking for a format would load every image plugin (svg, jpeg,
    // gif, ico) into memory, only for each to answer that the file is not its own.
    reader.setAutoDetectImageFormat(false);
    const QSize fileSize = reader.size();
    const int devicePixels = tileDevicePixels();
    if (fileSize.width() > devicePixels || fileSize.height() > devicePixels) {
        reader.setScaledSize(fileSize.scaled(devicePixels, devicePixels, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return nullptr;
    }
    image.setDevicePixelRatio(static_cast<qreal>(image.width()) / ui::qt::kPictureSize);
    return std::make_shared<const ui::qt::QtPicture>(std::move(image));
}

}  // namespace

PictureFiles::PictureFiles(std::string programFolder)
    : pictureFolder_(std::move(programFolder) + "/Img/") {}

ui::Picture PictureFiles::file(std::string_view name) {
    const std::string key(name);
    auto found = files_.find(key);
    if (found == files_.end()) {
        found = files_.emplace(key, decodeFile(pictureFolder_ + key + ".png")).first;
    }
    return found->second;
}

ui::Picture PictureFiles::design(ui::DesignPicture which) {
    auto found = designs_.find(which);
    if (found == designs_.end()) {
        found = designs_.emplace(which, prerenderedDesign(which)).first;
    }
    return found->second;
}

}  // namespace quirvanto
