#pragma once

#include "ui/window.h"

namespace quirvanto {

class Program;

class Form7 final : public ui::Window {
public:
    explicit Form7(Program& program);

protected:
    void createControls() override;

private:
    Program& program_;
};

}  // namespace quirvanto
