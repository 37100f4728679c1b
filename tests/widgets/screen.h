#pragma once

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QTest>
#include <QWidget>

#include "support/rig.h"
#include "support/test_window.h"
#include "ui/application.h"
#include "ui/qt/qt_host_factory.h"
#include "ui/qt/qt_look.h"
#include "ui/qt/qt_picture.h"
#include "ui/qt/qt_text_measure.h"

namespace widget_tests {

using testing_support::TestWindow;
using ui::qt::toQColor;

// Pictures the widgets can really draw: every design picture is a magenta square but the two
// pointers. The click pointer is a red bar from x 10 to 13 pointing with (11, 2); the window
// pointer a blue bar from x 0 to 3 pointing with (1, 2). No test loads a picture file.
class DrawnPictures final : public ui::PictureSource {
public:
    [[nodiscard]] ui::Picture file(std::string_view) override { return nullptr; }
    [[nodiscard]] ui::Picture design(ui::DesignPicture which) override {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        const bool click = which == ui::DesignPicture::ClickPointer;
        if (click || which == ui::DesignPicture::WindowPointer) {
            image.fill(Qt::transparent);
            QPainter(&image).fillRect(click ? 10 : 0, 2, 4, 28, click ? Qt::red : Qt::blue);
        }
        return std::make_shared<ui::qt::QtPicture>(image, QPoint(click ? 11 : 1, 2));
    }
};

// Every outside service with real Qt windows, on virtual time.
struct Screen {
    ui::VirtualScheduler scheduler;
    testing_support::RecordingMessages messages;
    testing_support::RecordingSound sound{scheduler};
    DrawnPictures pictures;
    testing_support::ScriptedRandom random;
    testing_support::FixedClock clock;
    ui::qt::QtTextMeasure measure;
    ui::qt::QtHostFactory hosts;
    testing_support::CountingTerminator terminator;
    ui::Services services{scheduler, messages, sound, pictures,  random,
                          clock,     measure,  hosts, terminator};
    ui::Application app{services};
};

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
        window = screen.hosts.widgetOf(form);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->windowHandle(), button, {}, at);
    }

    Screen screen;
    TestWindow form{screen.app};
    TestWindow second{screen.app};
    QWidget* window = nullptr;
};

}  // namespace widget_tests
