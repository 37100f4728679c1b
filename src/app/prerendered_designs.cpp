#include "app/prerendered_designs.h"

#include "media/design_pictures.h"

namespace quirvanto {

QImage prerenderedDesign(ui::DesignPicture which) {
    const PrerenderedPicture& drawn = kPrerenderedPictures[static_cast<int>(which)];
    // The image reads the program's own copy of the pixels; it is never written to.
    QImage picture(drawn.pixels, drawn.width, drawn.height, drawn.width * 4,
                   QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(static_cast<qreal>(drawn.width) / kPictureSize);
    return picture;
}

}  // namespace quirvanto
