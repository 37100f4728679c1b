#include "ui/qt/qt_quit_requests.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <csignal>

namespace ui::qt {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT};

// A signal handler may only write: it wakes the event loop through this pair of sockets, and
// the program ends there, between two handlers of the game.
int signalPipe[2] = {-1, -1};
struct sigaction formerActions[std::size(kSignals)];

extern "C" void wakeEventLoop(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

QuitRequests::QuitRequests(Application& app) : app_(app) {
    QCoreApplication::instance()->installEventFilter(this);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        return;
    }
    signals_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(signals_, &QSocketNotifier::activated, this, &QuitRequests::signalArrived);
    struct sigaction action {};
    action.sa_handler = wakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], &action, &formerActions[i]);
    }
}

QuitRequests::~QuitRequests() {
    if (!signals_) {
        return;
    }
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], &formerActions[i], nullptr);
    }
    delete signals_;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

// The quit request reaches the application before Qt offers each window a close; the game ends
// first, so no window is left to refuse.
bool QuitRequests::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
        app_.end();
    }
    return QObject::eventFilter(watched, event);
}

void QuitRequests::signalArrived() {
    char byte = 0;
    while (::read(signalPipe[1], &byte, 1) > 0) {
    }
    app_.end();
}

}  // namespace ui::qt
