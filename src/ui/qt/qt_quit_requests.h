#pragma once

#include <QObject>

#include "ui/application.h"

class QSocketNotifier;

namespace ui::qt {

// Turns the desktop's requests to quit into the end of the program, at once and with no window
// asking anything back: QCoreApplication::quit() (sent, among others, when the session ends),
// SIGTERM and SIGINT. Without this the machine would answer the close that quit() sends it by
// showing the title window, and so refuse to quit. One instance, made after the QApplication;
// it puts back the signals' former handlers when it goes.
class QuitRequests final : public QObject {
public:
    explicit QuitRequests(Application& app);
    ~QuitRequests() override;
    QuitRequests(const QuitRequests&) = delete;
    QuitRequests& operator=(const QuitRequests&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void signalArrived();

    Application& app_;
    QSocketNotifier* signals_ = nullptr;
};

}  // namespace ui::qt
