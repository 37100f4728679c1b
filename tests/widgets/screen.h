#pragma once

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <map>
#include <ostream>
#include <vector>

#include "support/rig.h"
#include "ui/application.h"
#include "ui/qt/qt_host_factory.h"
#include "ui/qt/qt_picture.h"
#include "ui/qt/qt_text_measure.h"
#include "ui/window.h"

// Failed expectations on Qt texts print the text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace widget_tests {

// Plain coloured pictures the widgets can really draw. The click pointer is a red bar whose top
// row spans x 10..13; the window pointer a blue bar from x 0 to 3.
class DrawnPictures final : public ui::PictureSource {
public:
    [[nodiscard]] ui::Picture file(std::string_view) override { return solid(Qt::green); }
    [[nodiscard]] ui::Picture design(ui::DesignPicture which) override {
        switch (which) {
            case ui::DesignPicture::ClickPointer:
                return bar(Qt::red, 10);
            case ui::DesignPicture::WindowPointer:
                return bar(Qt::blue, 0);
            default:
                return solid(Qt::magenta);
        }
    }

    static ui::Picture solid(QColor colour) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(colour);
        return std::make_shared<ui::qt::QtPicture>(image);
    }
    static ui::Picture bar(QColor colour, int left) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter(&image).fillRect(left, 2, 4, 28, colour);
        return std::make_shared<ui::qt::QtPicture>(image);
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

// 200 x 150 pixels, dark blue. Back to front: a grey label, the clickable "Spin" label, a
// transparent label over Spin's right half, a yellow line across Spin, an image, a panel with a
// clickable label inside, and a label that sizes to its caption.
class Panel final : public ui::Window {
public:
    static constexpr ui::Colour kBack = 0x400000;
    static constexpr ui::Colour kGrey = 0x808080;
    static constexpr ui::Colour kSpinBack = 0x800080;
    static constexpr ui::Colour kSpinText = 0x00FFFF;
    static constexpr ui::Colour kLineColour = 0xFFFF00;

    explicit Panel(ui::Application& app)
        : ui::Window(app,
                     {.caption = "Test Panel",
                      .outer = {3120, 2760},
                      .inner = {3000, 2250},
                      .back = kBack,
                      .pointer = ui::Pointer::Window,
                      .icon = ui::DesignPicture::ProgramIcon},
                     "Panel") {}

    ui::Label Grey;
    ui::Label Spin;
    ui::Label Cover;
    ui::Line Stripe;
    ui::Image Tile;
    ui::PictureBox Box;
    ui::Label Stop;
    ui::Label Amount;

    int spins = 0;
    int stops = 0;
    int unloads = 0;
    bool unloadOnSpin = false;
    std::vector<int> keysDown;
    std::vector<int> keysPressed;

    // Pixel rects on the window.
    static QRect spinRect() { return {10, 10, 100, 30}; }
    static QRect coverRect() { return {60, 10, 50, 30}; }
    static QRect stopRect() { return {130, 110, 60, 30}; }
    static QRect amountRect() { return {10, 60, 11, 25}; }

protected:
    void createControls() override {
        create(Grey, "Grey", {.caption = "", .rect = {0, 1500, 1500, 750}, .back = kGrey});
        create(Spin, "Spin",
               {.caption = "Spin",
                .rect = {150, 150, 1500, 450},
                .back = kSpinBack,
                .fore = kSpinText,
                .points = 12,
                .align = ui::Align::Centre,
                .toolTip = "Spin the reels",
                .clickable = true});
        Spin.setClickHandler([this] {
            ++spins;
            if (unloadOnSpin) {
                unload();
            }
        });
        create(Cover, "Cover", {.caption = "", .rect = {900, 150, 750, 450}});
        create(
            Stripe, "Stripe",
            {.x1 = 150, .y1 = 375, .x2 = 1650, .y2 = 375, .colour = kLineColour, .widthPixels = 2});
        create(Tile, "Tile", {.rect = {1800, 150, 480, 480}, .picture = ui::DesignPicture::Melon});
        create(Box, "Box", {.rect = {1800, 1500, 1200, 750}, .back = 0x008000});
        create(Stop, "Stop", {.caption = "Stop", .rect = {150, 150, 900, 450}, .clickable = true},
               -1, &Box);
        Stop.setClickHandler([this] { ++stops; });
        create(Amount, "Amount",
               {.caption = "0",
                .rect = {150, 900, 165, 375},
                .fore = ui::kWhite,
                .points = 12,
                .sizesToCaption = true});
    }
    void Form_Unload() override { ++unloads; }
    void Form_KeyDown(int keyCode, int) override { keysDown.push_back(keyCode); }
    void Form_KeyPress(int keyAscii) override { keysPressed.push_back(keyAscii); }
};

// A small window owned by the panel, as a bonus window is owned by the machine.
class Dialog final : public ui::Window {
public:
    explicit Dialog(ui::Application& app)
        : ui::Window(app, {.caption = "Test Dialog", .outer = {1620, 1260}, .inner = {1500, 750}},
                     "Dialog") {}

    ui::Label Go;
    int goes = 0;
    std::vector<int> keysDown;

protected:
    void createControls() override {
        create(Go, "Go", {.caption = "Go", .rect = {0, 0, 1500, 750}, .clickable = true});
        Go.setClickHandler([this] { ++goes; });
    }
    void Form_KeyDown(int keyCode, int) override { keysDown.push_back(keyCode); }
};

[[nodiscard]] inline QColor qColour(ui::Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// What the window shows, one image pixel per logical pixel.
[[nodiscard]] inline QImage drawn(QWidget& window) {
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image.scaled(window.size());
}

// How many pixels of a region have exactly this colour.
[[nodiscard]] inline int countColour(const QImage& image, QRect region, QColor colour) {
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// Shows the panel and waits until the platform has exposed it.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.show();
        window = screen.hosts.widgetOf(panel);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->windowHandle(), button, {}, at);
    }

    Screen screen;
    Panel panel{screen.app};
    Dialog dialog{screen.app};
    QWidget* window = nullptr;
};

}  // namespace widget_tests
