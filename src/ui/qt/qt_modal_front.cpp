#include "ui/qt/qt_modal_front.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace ui::qt {

namespace {

// Whether a window belongs to another one: it is that one, or stands for it on a chain of owners.
bool belongsTo(const QWindow* window, const QWindow& owner) {
    for (; window != nullptr; window = window->transientParent()) {
        if (window == &owner) {
            return true;
        }
    }
    return false;
}

// An application-modal window blocks every window but its own; a window-modal one blocks the
// windows it belongs to.
bool blocks(const QWindow& modal, const QWindow& window) {
    if (belongsTo(&window, modal)) {
        return false;
    }
    return modal.modality() == Qt::ApplicationModal || belongsTo(&modal, window);
}

// The modal window in front of a window it blocks: of the shown modal windows that block it, the
// one that no other belongs to (a message box over a bonus game over the machine). A message box
// made modal only once shown is not among Qt's own modal windows, so they are all looked at.
QWindow* modalInFrontOf(const QWindow& window) {
    QWindow* front = nullptr;
    for (QWindow* modal : QGuiApplication::topLevelWindows()) {
        if (modal->isVisible() && modal->modality() != Qt::NonModal && blocks(*modal, window) &&
            (front == nullptr || belongsTo(modal, *front))) {
            front = modal;
        }
    }
    return front;
}

// After the event at hand is through, so that the platform sees the two in order.
void bringModalFront(const QWindow& blocked) {
    if (QWindow* modal = modalInFrontOf(blocked)) {
        QTimer::singleShot(0, modal, [modal] {
            modal->raise();
            modal->requestActivate();
        });
    }
}

QWindow* topLevelWindowOf(WId id) {
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->handle() != nullptr && window->winId() == id) {
            return window;
        }
    }
    return nullptr;
}

// Qt's X11 platform keeps a click on a blocked window from the program, and passes the focus of
// a blocked window to the modal window without raising it, so that X11 is watched at its
// source. Everywhere else the activation of the blocked window comes through.
class ModalFront final : public QObject, public QAbstractNativeEventFilter {
public:
    using QObject::QObject;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & ~0x80) {
            case XCB_BUTTON_PRESS:
                bringModalFrontOf(static_cast<const xcb_button_press_event_t*>(message)->event);
                break;
            case XCB_FOCUS_IN:
                if (static_cast<const xcb_focus_in_event_t*>(message)->detail !=
                    XCB_NOTIFY_DETAIL_POINTER) {
                    bringModalFrontOf(static_cast<const xcb_focus_in_event_t*>(message)->event);
                }
                break;
            default:
                break;
        }
        return false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && !onX11()) {
            if (auto* window = qobject_cast<QWindow*>(watched)) {
                bringModalFront(*window);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

    static void bringModalFrontOf(xcb_window_t id) {
        if (const QWindow* window = topLevelWindowOf(id)) {
            bringModalFront(*window);
        }
    }
};

}  // namespace

void keepModalWindowsInFront() {
    static QPointer<ModalFront> installed;
    if (installed.isNull()) {
        installed = new ModalFront(qApp);
        qApp->installEventFilter(installed);
        qApp->installNativeEventFilter(installed);
    }
}

}  // namespace ui::qt
