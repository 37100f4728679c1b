#pragma once

#include "bonus/marker_window.h"

namespace quirvanto {

// Ladder: a marker runs down ten rungs, "x 6" at the top to "Lose" at the bottom; Stop beside a
// multiplier rung pays the stake that many times.
class Form3 final : public MarkerWindow {
public:
    explicit Form3(Program& program);

    void Label4_Click() override;
    void Suono_Timer() override;

protected:
    void Form_Load() override;
};

}  // namespace quirvanto
