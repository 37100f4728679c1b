#pragma once

#include "ui/window.h"

namespace quirvanto {

class Program;

class Form5 final : public ui::Window {
public:
    // The stake, copied from the machine's pending win when the window opens.
    ui::Label Premio;

    explicit Form5(Program& program);

protected:
    void createControls() override;

private:
    Program& program_;
};

}  // namespace quirvanto
