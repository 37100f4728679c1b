#pragma once

#include <QImage>
#include <QPoint>

#include "ui/services.h"

namespace ui::qt {

// Every picture of the game is 32 x 32 logical pixels.
inline constexpr int kPictureSize = 32;

// A decoded picture as the Qt side draws it. A pointer picture also knows the point it points
// with, in logical pixels.
class QtPicture final : public PictureData {
public:
    explicit QtPicture(QImage image, QPoint hotSpot = {})
        : image_(std::move(image)), hotSpot_(hotSpot) {}
    [[nodiscard]] const QImage& image() const { return image_; }
    [[nodiscard]] QPoint hotSpot() const { return hotSpot_; }

private:
    QImage image_;
    QPoint hotSpot_;
};

}  // namespace ui::qt
