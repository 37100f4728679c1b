#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "ui/scheduler.h"

namespace ui {

class Window;

struct TimerLayout {
    int intervalMs = 0;
    bool enabled = false;
};

// A window timer. Enabling a running timer changes nothing; a new interval given to a running
// timer restarts its countdown; an interval of 0 never ticks. Intervals below the fastest rate
// run at kFastestTimerMs. A tick never re-enters its own handler (a handler waiting in a message
// box lets other timers tick, not itself).
class Timer {
public:
    Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    [[nodiscard]] const std::string& name() const { return name_; }
    [[nodiscard]] bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    [[nodiscard]] int interval() const { return intervalMs_; }
    void setInterval(int intervalMs);

private:
    friend class Window;
    void setHandler(std::function<void()> handler) { onTick_ = std::move(handler); }
    void create(Window& owner, std::string_view name, const TimerLayout& layout);
    void destroy();
    void arm();
    void tick();

    Window* owner_ = nullptr;
    std::string name_;
    int intervalMs_ = 0;
    bool enabled_ = false;
    bool exists_ = false;
    bool inHandler_ = false;
    std::function<void()> onTick_;
    std::unique_ptr<TimerSlot> slot_;
};

}  // namespace ui
