#pragma once

#include "ui/window.h"

namespace quirvanto {

class Program;

class Form4 final : public ui::Window {
public:
    explicit Form4(Program& program);

protected:
    void createControls() override;

private:
    Program& program_;
};

}  // namespace quirvanto
