#pragma once

#include "ui/services.h"

namespace ui::qt {

// Leaves every running event loop, message boxes included, so main() returns.
class QtTerminator final : public Terminator {
public:
    void quit() override;
};

}  // namespace ui::qt
