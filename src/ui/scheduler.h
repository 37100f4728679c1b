#pragma once

#include <functional>
#include <memory>

// The clock behind every timer: real (QTimer) in the program, virtual in tests.
namespace ui {

// The fastest rate window timers tick at: any shorter interval runs at this one.
inline constexpr int kFastestTimerMs = 16;

class TimerSlot {
public:
    virtual ~TimerSlot() = default;
    // Starts (or restarts) the countdown: the first tick comes intervalMs from now, then one
    // every intervalMs. The interval is already at least kFastestTimerMs.
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
};

class Scheduler {
public:
    virtual ~Scheduler() = default;
    [[nodiscard]] virtual std::unique_ptr<TimerSlot> createSlot(std::function<void()> onTick) = 0;
};

}  // namespace ui
