#include "media/picture_files.h"

#include <QImage>
#include <QString>

#include "media/design_pictures.h"
#include "ui/qt/qt_picture.h"

namespace quirvanto {

namespace {

ui::Picture decodeFile(const std::string& path) {
    QImage image(QString::fromStdString(path), "PNG");
    if (image.isNull()) {
        return nullptr;
    }
    image.setDevicePixelRatio(static_cast<qreal>(image.width()) / kPictureSize);
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
        auto picture = std::make_shared<const ui::qt::QtPicture>(drawDesignPicture(which),
                                                                 pointerHotSpot(which));
        found = designs_.emplace(which, std::move(picture)).first;
    }
    return found->second;
}

}  // namespace quirvanto
