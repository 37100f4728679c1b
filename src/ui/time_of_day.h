#pragma once

#include "ui/services.h"

namespace ui {

// Seconds since local midnight, with their fraction.
class TimeOfDay final : public Clock {
public:
    [[nodiscard]] double secondsSinceMidnight() override;
};

}  // namespace ui
