#pragma once

#include <functional>
#include <vector>

#include "support/rig.h"
#include "ui/control_array.h"
#include "ui/window.h"

namespace ui_tests {

// A small window of its own for the ui layer's tests: a label inside a panel, a label array,
// two timers, a window variable that Form_Load does not touch and a counter that it does.
class TestWindow final : public ui::Window {
public:
    explicit TestWindow(ui::Application& app)
        : ui::Window(app, {.caption = "Test", .outer = {3120, 3510}, .inner = {3000, 3000}},
                     "TestWindow") {}

    ui::PictureBox Panel;
    ui::Label Inside;
    ui::Label Caption;
    ui::ControlArray<ui::Label, 3> Cells;
    ui::Timer Fast;
    ui::Timer Slow;

    int keptAcrossLoads = 0;
    int loads = 0;
    int unloads = 0;
    std::vector<int> keysDown;
    std::vector<int> keysPressed;
    std::function<void()> onFast;
    std::function<void()> onSlow;
    int clicks = 0;

protected:
    void createControls() override {
        create(
            Caption, "Caption",
            {.caption = "0", .rect = {120, 120, 165, 345}, .points = 12, .sizesToCaption = true});
        for (int i = 0; i < Cells.size(); ++i) {
            create(Cells[i], "Cells", {.caption = "cell", .rect = {120, 600 + 400 * i, 600, 375}},
                   i);
        }
        create(Panel, "Panel", {.rect = {0, 1800, 3000, 1200}, .visible = false});
        create(Inside, "Inside",
               {.caption = "Stop", .rect = {120, 120, 1000, 375}, .clickable = true}, -1, &Panel);
        Inside.setClickHandler([this] { ++clicks; });
        create(Fast, "Fast", {.intervalMs = 1, .enabled = false}, [this] {
            if (onFast) {
                onFast();
            }
        });
        create(Slow, "Slow", {.intervalMs = 100, .enabled = false}, [this] {
            if (onSlow) {
                onSlow();
            }
        });
    }
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    void Form_KeyDown(int keyCode, int) override { keysDown.push_back(keyCode); }
    void Form_KeyPress(int keyAscii) override { keysPressed.push_back(keyAscii); }
};

}  // namespace ui_tests
