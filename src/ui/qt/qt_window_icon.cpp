#include "ui/qt/qt_window_icon.h"

#include <QIconEngine>
#include <QPixmap>

#include "ui/qt/qt_picture.h"

namespace ui::qt {

namespace {

// An icon with no picture at all.
class NoIconEngine final : public QIconEngine {
public:
    void paint(QPainter*, const QRect&, QIcon::Mode, QIcon::State) override {}
    QPixmap pixmap(const QSize&, QIcon::Mode, QIcon::State) override { return {}; }
    [[nodiscard]] QIconEngine* clone() const override { return new NoIconEngine; }
    bool isNull() override { return false; }
};

}  // namespace

QIcon windowIconOf(const WindowLayout& layout, PictureSource& pictures) {
    if (layout.icon) {
        const Picture icon = pictures.design(*layout.icon);
        if (const auto* drawn = dynamic_cast<const QtPicture*>(icon.get())) {
            return QIcon(QPixmap::fromImage(drawn->image()));
        }
    }
    return QIcon(new NoIconEngine);
}

}  // namespace ui::qt
