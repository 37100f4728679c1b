#pragma once

#include <cstdint>

#include "bonus/bonus_frame.h"
#include "ui/control_array.h"

namespace quirvanto {

// What tells one marker game's window from the other: the place of its stake, its ten rows with
// a marker square beside each, its Stop button and the pace of its background sound.
struct MarkerLayout {
    ui::Rect premio;
    ui::LabelLayout (*row)(int i);     // AA(i), top to bottom
    ui::LabelLayout (*marker)(int i);  // BB(i), beside row i, hidden at design
    ui::LabelLayout label4;
    ui::TimerLayout suono;
};

// Ladder and Double Bet: a marker runs down ten rows, one row a tick, and Stop freezes it. The
// window says what its rows are worth, which sound it plays, and pays in its Label4_Click.
class MarkerWindow : public BonusWindow {
public:
    ui::ControlArray<ui::Label, 10> AA;  // the rows, top to bottom
    ui::ControlArray<ui::Label, 10> BB;  // the marker beside each row
    ui::Timer Timer1;
    ui::Timer Suono;
    ui::Timer Fine;

    // The row whose marker the next tick shows; 10 is the blank tick between two runs.
    std::int16_t MarkerStep = 0;

    void Timer1_Timer();
    virtual void Suono_Timer() = 0;
    void Fine_Timer();

protected:
    MarkerWindow(Program& program, const ui::WindowLayout& window, std::string_view name,
                 const MarkerLayout& layout);

    void createControls() override;

    // The first step of Stop: a Stop while no marker is on show does nothing.
    [[nodiscard]] bool markerShown() const;
    // The second step of Stop, win or lose: the button goes, the marker and the music stop.
    void freezeMarker();

private:
    const MarkerLayout& layout_;
};

}  // namespace quirvanto
