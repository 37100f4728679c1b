#pragma once

#include "ui/window.h"

namespace quirvanto {

class Program;

class Form1 final : public ui::Window {
public:
    ui::Label Credits;
    ui::Label Win1;

    explicit Form1(Program& program);

protected:
    void createControls() override;

private:
    Program& program_;
};

}  // namespace quirvanto
