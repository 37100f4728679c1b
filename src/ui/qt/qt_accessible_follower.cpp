#include "ui/qt/qt_accessible_follower.h"

#include <QAccessible>
#include <QStringList>
#include <utility>

#include "ui/qt/qt_control_widgets.h"
#include "ui/qt/qt_look.h"

namespace ui::qt {

namespace {

// The control widgets a screen reader reads: none that only decorate.
QList<ControlWidget*> readControls(const QWidget& window) {
    QList<ControlWidget*> found = controlWidgetsOf(window);
    found.removeIf([](const ControlWidget* widget) { return decorative(widget->control()); });
    return found;
}

AccessibleFollower::EventSink& eventSink() {
    static AccessibleFollower::EventSink sink = [](QAccessibleEvent& event) {
        QAccessible::updateAccessibility(&event);
    };
    return sink;
}

void send(QWidget* widget, QAccessible::Event type) {
    QAccessibleEvent event(widget, type);
    eventSink()(event);
}

// "Credits: 9", "You can win: 4", or the value alone when nothing labels it.
QString announcementOf(const AccessibleState& now, const Control& control) {
    const Label* caption = control.reading().caption;
    if (caption == nullptr) {
        return now.name;
    }
    QString said = toQString(caption->caption());
    if (!said.endsWith(QLatin1Char(':'))) {
        said += QLatin1Char(':');
    }
    return said + QLatin1Char(' ') + now.name;
}

}  // namespace

AccessibleFollower::AccessibleFollower(QWidget& window, Scheduler& scheduler)
    : window_(window),
      announcement_(new AnnouncementWidget(window)),
      slot_(scheduler.createSlot([this] { tick(); })) {}

AccessibleFollower::EventSink AccessibleFollower::exchangeEventSink(EventSink sink) {
    return std::exchange(eventSink(), std::move(sink));
}

void AccessibleFollower::restart() {
    told_.clear();
    for (ControlWidget* widget : readControls(window_)) {
        told_[&widget->control()] = accessibleStateOf(*widget);
    }
}

void AccessibleFollower::schedule() {
    pending_ = true;
    if (!running_) {
        running_ = true;
        slot_->start(kFirstTellMs);
    }
}

// After a tell the slot waits one gap; a quiet gap stops it, so the next change is told at once.
void AccessibleFollower::tick() {
    if (!pending_) {
        running_ = false;
        slot_->stop();
        return;
    }
    pending_ = false;
    slot_->start(kEventGapMs);
    tell();
}

void AccessibleFollower::tell() {
    QStringList announcements;
    for (ControlWidget* widget : readControls(window_)) {
        const Control& control = widget->control();
        if (!control.exists()) {
            continue;
        }
        const AccessibleState now = accessibleStateOf(*widget);
        const auto found = told_.find(&control);
        if (found == told_.end()) {
            told_[&control] = now;
            continue;
        }
        const AccessibleState before = found->second;
        found->second = now;
        // What is not on show changes unheard; it is read as it stands once it comes on show.
        if (now.showing && now.name != before.name) {
            send(widget, QAccessible::NameChanged);
        }
        if (now.showing && now.description != before.description) {
            send(widget, QAccessible::DescriptionChanged);
        }
        if (now.showing && now.checked != before.checked) {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(widget, changed);
            eventSink()(event);
        }
        // Qt tells of a widget shown or hidden itself; a cover that comes or goes, it does not.
        const bool toldShowing =
            now.widgetShown != before.widgetShown ? now.widgetShown : before.showing;
        if (now.showing != toldShowing) {
            send(widget, now.showing ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        }
        const bool cameOnShow = now.showing && !before.showing;
        if (control.reading().announced && now.showing && (cameOnShow || now.name != before.name)) {
            announcements.append(announcementOf(now, control));
        }
    }
    if (!announcements.isEmpty()) {
        announcement_->announce(announcements.join(QStringLiteral(", ")));
    }
}

}  // namespace ui::qt
