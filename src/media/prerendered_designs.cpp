#include "media/prerendered_designs.h"

#include <QImage>

#include "ui/qt/qt_picture.h"

namespace quirvanto {

ui::Picture prerenderedDesign(ui::DesignPicture which) {
    const PrerenderedPicture& drawn = kPrerenderedPictures[static_cast<int>(which)];
    // The image reads the program's own copy of the pixels; it is never written to.
    QImage picture(drawn.pixels, drawn.width, drawn.height, drawn.width * 4,
                   QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(static_cast<qreal>(drawn.width) / ui::qt::kPictureSize);
    return std::make_shared<const ui::qt::QtPicture>(std::move(picture),
                                                     QPoint(drawn.hotSpotX, drawn.hotSpotY));
}

}  // namespace quirvanto
