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
        if (owner_ == nullptr) {
            return;
        }
        if (!armed_) {
            owner_->armed_.push_back(this);
        }
        armed_ = true;
        due_ = owner_->now_ + intervalMs;
        armedAt_ = ++owner_->armCounter_;
        intervalMs_ = intervalMs;
    }
    void stop() override {
        if (owner_ != nullptr && armed_) {
            armed_ = false;
            std::erase(owner_->armed_, this);
        }
    }
    void fire() { onTick_(); }
    void detach() { owner_ = nullptr; }

    // Earlier due first; at the same moment, the one armed first.
    [[nodiscard]] bool before(const Slot& other) const {
        return due_ < other.due_ || (due_ == other.due_ && armedAt_ < other.armedAt_);
    }

    bool armed_ = false;
    std::int64_t due_ = 0;
    std::uint64_t armedAt_ = 0;
    int intervalMs_ = 0;

private:
    VirtualScheduler* owner_;
    std::function<void()> onTick_;
};

VirtualScheduler::~VirtualScheduler() {
    for (Slot* slot : slots_) {
        slot->detach();
    }
}

std::unique_ptr<TimerSlot> VirtualScheduler::createSlot(std::function<void()> onTick) {
    return std::make_unique<Slot>(*this, std::move(onTick));
}

VirtualScheduler::Slot* VirtualScheduler::nextDue(std::int64_t until) const {
    Slot* best = nullptr;
    for (Slot* slot : armed_) {
        if (slot->due_ <= until && (best == nullptr || slot->before(*best))) {
            best = slot;
        }
    }
    return best;
}

void VirtualScheduler::advance(std::int64_t ms) {
    const std::int64_t until = now_ + ms;
    while (Slot* slot = nextDue(until)) {
        now_ = std::max(now_, slot->due_);
        slot->due_ += slot->intervalMs_;
        slot->fire();  // may re-arm, stop or destroy any slot, this one included
    }
    now_ = std::max(now_, until);
}

}  // namespace ui
