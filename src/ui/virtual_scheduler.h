#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ui/scheduler.h"

namespace ui {

// Time that moves only when a test says so. Due timers fire in time order; timers due at the
// same moment fire in the order they were last armed, earliest first. Fully deterministic.
class VirtualScheduler final : public Scheduler {
public:
    VirtualScheduler() = default;
    VirtualScheduler(const VirtualScheduler&) = delete;
    VirtualScheduler& operator=(const VirtualScheduler&) = delete;
    ~VirtualScheduler() override;

    [[nodiscard]] std::unique_ptr<TimerSlot> createSlot(std::function<void()> onTick) override;

    // Moves time forward by ms, firing every tick that falls due on the way. May be called from
    // inside a tick (a handler waiting in a message box while time goes on).
    void advance(std::int64_t ms);
    [[nodiscard]] std::int64_t now() const { return now_; }

private:
    class Slot;
    friend class Slot;

    // A running timer: when it fires next, the order it was armed in, and its interval.
    struct Armed {
        std::int64_t due;
        std::uint64_t armedAt;
        int intervalMs;
        Slot* slot;
        [[nodiscard]] bool before(const Armed& other) const;
    };

    void arm(Slot* slot, int intervalMs);
    void disarm(Slot* slot);
    [[nodiscard]] Armed* nextDue(std::int64_t until);

    std::int64_t now_ = 0;
    std::uint64_t armCounter_ = 0;
    // Every slot that exists, and the running ones side by side: only these are looked at for
    // the next tick, so a program of many timers of which a few run keeps its time cheap.
    std::vector<Slot*> slots_;
    std::vector<Armed> armed_;
};

}  // namespace ui
