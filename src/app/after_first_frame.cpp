#include "app/after_first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace quirvanto {

AfterFirstFrame::AfterFirstFrame(std::function<void()> task) : task_(std::move(task)) {
    QCoreApplication::instance()->installEventFilter(this);
}

// The window draws itself while it handles its exposure; a task queued now runs once that is
// done and the frame is on the screen.
bool AfterFirstFrame::eventFilter(QObject* watched, QEvent* event) {
    const auto* window = qobject_cast<QWindow*>(watched);
    if (event->type() == QEvent::Expose && window != nullptr && window->isExposed()) {
        QCoreApplication::instance()->removeEventFilter(this);
        QMetaObject::invokeMethod(this, task_, Qt::QueuedConnection);
    }
    return false;
}

}  // namespace quirvanto
