#include "ui/qt/qt_scheduler.h"

#include <QTimer>

namespace ui::qt {

namespace {
class QtSlot final : public TimerSlot {
public:
    explicit QtSlot(std::function<void()> onTick) {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [tick = std::move(onTick)] { tick(); });
    }
    void start(int intervalMs) override { timer_.start(intervalMs); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};
}  // namespace

std::unique_ptr<TimerSlot> QtScheduler::createSlot(std::function<void()> onTick) {
    return std::make_unique<QtSlot>(std::move(onTick));
}

}  // namespace ui::qt
