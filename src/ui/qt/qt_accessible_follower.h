#pragma once

#include <QAccessible>
#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>

#include "ui/qt/qt_accessible.h"
#include "ui/scheduler.h"

namespace ui::qt {

class AnnouncementWidget;

// Tells screen readers what changed on one game window: names (a tile's value), lit fields,
// held columns, controls that came on show or went under a cover, and the announcements of the
// values that say so. The first change is told a moment after it happens, what follows it at
// most every kEventGapMs, all at once and only as it then stands: a light that moves every
// 150 ms does not flood a screen reader, and reading the window still tells where it is.
class AccessibleFollower final {
public:
    static constexpr int kFirstTellMs = 16;
    static constexpr int kEventGapMs = 500;

    AccessibleFollower(QWidget& window, Scheduler& scheduler);
    AccessibleFollower(const AccessibleFollower&) = delete;
    AccessibleFollower& operator=(const AccessibleFollower&) = delete;

    // The window's controls were just made: what they read now is known, nobody is told.
    void restart();
    // Something may have changed.
    void schedule();

    // Where the events go: to Qt, which hands them to the screen reader (and drops them while
    // none listens). A test may listen instead; the sink it replaces is given back.
    using EventSink = std::function<void(QAccessibleEvent&)>;
    static EventSink exchangeEventSink(EventSink sink);

private:
    void tick();
    void tell();

    QWidget& window_;
    AnnouncementWidget* announcement_;
    std::unique_ptr<TimerSlot> slot_;
    bool running_ = false;
    bool pending_ = false;
    std::unordered_map<const Control*, AccessibleState> told_;
};

}  // namespace ui::qt
