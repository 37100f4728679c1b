#pragma once

#include "ui/scheduler.h"

namespace ui::qt {

// Window timers on QTimer, precise to the millisecond, never faster than kFastestTimerMs.
class QtScheduler final : public Scheduler {
public:
    [[nodiscard]] std::unique_ptr<TimerSlot> createSlot(std::function<void()> onTick) override;
};

}  // namespace ui::qt
