#pragma once

#include <QImage>
#include <QPolygon>
#include <QTest>
#include <QWidget>

#include "support/rig.h"
#include "support/test_window.h"
#include "ui/qt/qt_look.h"

namespace widget_tests {

using testing_support::TestWindow;
using ui::qt::toQColor;

// What the window shows, one image pixel per logical pixel.
[[nodiscard]] inline QImage drawn(QWidget& window) {
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image.scaled(window.size());
}

// The pixels of a region that have exactly this colour.
[[nodiscard]] inline QPolygon pixelsOf(const QImage& image, QRect region, QColor colour) {
    QPolygon pixels;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                pixels.append({x, y});
            }
        }
    }
    return pixels;
}

// Shows the test window (form) and waits until the platform has exposed it; second is another
// test window, not loaded.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        window = rig.widgetOf(form);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->windowHandle(), button, {}, at);
    }

    testing_support::Rig rig{{.onScreen = true}};
    TestWindow form{rig.program};
    TestWindow second{rig.program};
    QWidget* window = nullptr;
};

}  // namespace widget_tests
