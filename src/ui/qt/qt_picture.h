#pragma once

#include <QImage>

#include "ui/services.h"

namespace ui::qt {

// A decoded picture as the Qt side draws it.
class QtPicture final : public PictureData {
public:
    explicit QtPicture(QImage image) : image_(std::move(image)) {}
    [[nodiscard]] const QImage& image() const { return image_; }

private:
    QImage image_;
};

}  // namespace ui::qt
