#include "ui/timer.h"

#include <algorithm>

#include "ui/window.h"

namespace ui {

void Timer::create(Window& owner, std::string_view name, const TimerLayout& layout) {
    owner_ = &owner;
    name_ = name;
    intervalMs_ = layout.intervalMs;
    enabled_ = layout.enabled;
    exists_ = true;
    if (!slot_) {
        slot_ = owner.services().scheduler.createSlot([this] { tick(); });
    }
    arm();
}

void Timer::destroy() {
    exists_ = false;
    enabled_ = false;
    if (slot_) {
        slot_->stop();
    }
}

void Timer::setEnabled(bool enabled) {
    if (!exists_ || enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    arm();
}

void Timer::setInterval(int intervalMs) {
    if (!exists_) {
        return;
    }
    intervalMs_ = intervalMs;
    arm();
}

void Timer::arm() {
    if (enabled_ && intervalMs_ > 0) {
        slot_->start(std::max(intervalMs_, kFastestTimerMs));
    } else {
        slot_->stop();
    }
}

void Timer::tick() {
    if (!exists_ || !enabled_ || inHandler_ || !onTick_) {
        return;
    }
    inHandler_ = true;
    owner_->run(onTick_);
    inHandler_ = false;
}

}  // namespace ui
