#pragma once

#include "bonus/marker_window.h"

namespace quirvanto {

// Double Bet: a marker runs down ten rows, "Win" and "Lose" by turns; Stop beside a "Win" row
// pays the stake once.
class Form5 final : public MarkerWindow {
public:
    explicit Form5(Program& program);

    void Label4_Click() override;
    void Suono_Timer() override;

protected:
    void Form_Load() override;
};

}  // namespace quirvanto
