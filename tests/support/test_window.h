#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "ui/control_array.h"
#include "ui/window.h"

namespace testing_support {

// A small window of its own for the ui layer's tests, 200 x 150 pixels on a dark blue back.
// Back to front: a row of three labels, the clickable "Spin" label, a transparent label over
// Spin's right half, a yellow line across Spin, an image, a hidden panel with the clickable label
// "Stop" inside, and a label that sizes to its caption; then two stopped timers. Form_Load counts
// loads; keptAcrossLoads is a window variable that nothing touches. Its icon is the program's
// unless a test gives it none.
class TestWindow final : public ui::Window {
public:
    static constexpr ui::Colour kBack = 0x400000;
    static constexpr ui::Colour kSpinBack = 0x800080;
    static constexpr ui::Colour kSpinText = 0x00FFFF;
    static constexpr ui::Colour kLineColour = 0xFFFF00;

    explicit TestWindow(ui::Application& app,
                        std::optional<ui::DesignPicture> icon = ui::DesignPicture::ProgramIcon)
        : ui::Window(app,
                     {.caption = "Test",
                      .outer = {3120, 2760},
                      .inner = {3000, 2250},
                      .back = kBack,
                      .pointer = ui::Pointer::Window,
                      .icon = icon},
                     "TestWindow") {}

    ui::ControlArray<ui::Label, 3> Cells;
    ui::Label Spin;
    ui::Label Cover;
    ui::Line Stripe;
    ui::Image Tile;
    ui::PictureBox Panel;
    ui::Label Inside;
    ui::Label Caption;
    ui::Timer Fast;
    ui::Timer Slow;

    int keptAcrossLoads = 0;
    int loads = 0;
    int unloads = 0;
    int spins = 0;
    int clicks = 0;  // on Inside
    bool unloadOnSpin = false;
    std::vector<int> keysDown;
    std::vector<int> keysPressed;
    std::function<void()> onFast = [] {};
    std::function<void()> onSlow = [] {};

protected:
    void createControls() override {
        for (int i = 0; i < Cells.size(); ++i) {
            create(Cells[i], "Cells", {.caption = "cell", .rect = {500 * i, 1800, 480, 375}}, i);
        }
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
        create(Panel, "Panel",
               {.rect = {1800, 1500, 1200, 750}, .back = 0x008000, .visible = false});
        create(Inside, "Inside",
               {.caption = "Stop", .rect = {150, 150, 900, 450}, .clickable = true}, -1, &Panel);
        Inside.setClickHandler([this] { ++clicks; });
        create(Caption, "Caption",
               {.caption = "0",
                .rect = {120, 900, 165, 375},
                .fore = ui::kWhite,
                .points = 12,
                .sizesToCaption = true});
        create(Fast, "Fast", {.intervalMs = 1, .enabled = false}, [this] { onFast(); });
        create(Slow, "Slow", {.intervalMs = 100, .enabled = false}, [this] { onSlow(); });
    }
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    void Form_KeyDown(int keyCode, int) override { keysDown.push_back(keyCode); }
    void Form_KeyPress(int keyAscii) override { keysPressed.push_back(keyAscii); }
};

}  // namespace testing_support
