#pragma once

#include "ui/window.h"

namespace quirvanto {

class Program;

class Form5 final : public ui::Window {
public:
    explicit Form5(Program& program);

protected:
    void createControls() override;

private:
    Program& program_;
};

}  // namespace quirvanto
