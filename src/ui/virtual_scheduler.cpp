#include "ui/virtual_scheduler.h"

#include <algorithm>

namespace ui {

class VirtualScheduler::Slot final : public TimerSlot {
public:
    Slot(VirtualScheduler& owner, std::function<void()> onTick)
        : owner_(&owner), onTick_(std::move(onTick)) {
        owner_->entries_.push_back({this, 0, 0, 0, false});
    }
    ~Slot() override {
        if (owner_ != nullptr) {
            auto& entries = owner_->entries_;
            entries.erase(std::remove_if(entries.begin(), entries.end(),
                                         [this](const Entry& e) { return e.slot == this; }),
                          entries.end());
        }
    }
    void start(int intervalMs) override {
        if (Entry* e = entry()) {
            *e = {this, owner_->now_ + intervalMs, ++owner_->armCounter_, intervalMs, true};
        }
    }
    void stop() override {
        if (Entry* e = entry()) {
            e->active = false;
        }
    }
    void fire() { onTick_(); }
    void detach() { owner_ = nullptr; }

private:
    Entry* entry() {
        if (owner_ == nullptr) {
            return nullptr;
        }
        for (Entry& e : owner_->entries_) {
            if (e.slot == this) {
                return &e;
            }
        }
        return nullptr;
    }

    VirtualScheduler* owner_;
    std::function<void()> onTick_;
};

VirtualScheduler::~VirtualScheduler() {
    for (Entry& e : entries_) {
        e.slot->detach();
    }
}

std::unique_ptr<TimerSlot> VirtualScheduler::createSlot(std::function<void()> onTick) {
    return std::make_unique<Slot>(*this, std::move(onTick));
}

VirtualScheduler::Entry* VirtualScheduler::nextDue(std::int64_t until) {
    Entry* best = nullptr;
    for (Entry& e : entries_) {
        if (!e.active || e.due > until) {
            continue;
        }
        if (best == nullptr || e.due < best->due ||
            (e.due == best->due && e.armedAt < best->armedAt)) {
            best = &e;
        }
    }
    return best;
}

void VirtualScheduler::advance(std::int64_t ms) {
    const std::int64_t until = now_ + ms;
    while (Entry* e = nextDue(until)) {
        now_ = std::max(now_, e->due);
        e->due += e->intervalMs;
        Slot* slot = e->slot;
        slot->fire();  // may re-arm, stop or destroy any slot, this one included
    }
    now_ = std::max(now_, until);
}

}  // namespace ui
