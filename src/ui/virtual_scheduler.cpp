#include "ui/virtual_scheduler.h"

#include <algorithm>

namespace ui {

class VirtualScheduler::Slot final : public TimerSlot {
public:
    Slot(VirtualScheduler& owner, std::function<void()> onTick)
        : owner_(&owner), onTick_(std::move(onTick)) {
        owner_->slots_.push_back(this);
    }
    ~Slot() override {
        if (owner_ != nullptr) {
            stop();
            std::erase(owner_->slots_, this);
        }
    }
    void start(int intervalMs) override {
        if (owner_ != nullptr) {
            owner_->arm(this, intervalMs);
        }
    }
    void stop() override {
        if (owner_ != nullptr) {
            owner_->disarm(this);
        }
    }
    void fire() { onTick_(); }
    void detach() { owner_ = nullptr; }

private:
    VirtualScheduler* owner_;
    std::function<void()> onTick_;
};

// Earlier due first; at the same moment, the one armed first.
bool VirtualScheduler::Armed::before(const Armed& other) const {
    return due < other.due || (due == other.due && armedAt < other.armedAt);
}

VirtualScheduler::~VirtualScheduler() {
    for (Slot* slot : slots_) {
        slot->detach();
    }
}

std::unique_ptr<TimerSlot> VirtualScheduler::createSlot(std::function<void()> onTick) {
    return std::make_unique<Slot>(*this, std::move(onTick));
}

void VirtualScheduler::arm(Slot* slot, int intervalMs) {
    disarm(slot);
    armed_.push_back({.due = now_ + intervalMs,
                      .armedAt = ++armCounter_,
                      .intervalMs = intervalMs,
                      .slot = slot});
}

void VirtualScheduler::disarm(Slot* slot) {
    std::erase_if(armed_, [slot](const Armed& armed) { return armed.slot == slot; });
}

VirtualScheduler::Armed* VirtualScheduler::nextDue(std::int64_t until) {
    Armed* best = nullptr;
    for (Armed& armed : armed_) {
        if (armed.due <= until && (best == nullptr || armed.before(*best))) {
            best = &armed;
        }
    }
    return best;
}

void VirtualScheduler::advance(std::int64_t ms) {
    const std::int64_t until = now_ + ms;
    while (Armed* next = nextDue(until)) {
        now_ = std::max(now_, next->due);
        next->due += next->intervalMs;
        next->slot->fire();  // may re-arm, stop or destroy any slot, this one included
    }
    now_ = std::max(now_, until);
}

}  // namespace ui
