#pragma once

#include <QObject>
#include <functional>

namespace quirvanto {

// Runs a task once, after the program's first window has been drawn on the screen; work that
// the first frame does not need (the sound, say) then does not hold it back. Needs a
// QApplication, which it watches for the first window's exposure.
class AfterFirstFrame final : public QObject {
public:
    explicit AfterFirstFrame(std::function<void()> task);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> task_;
};

}  // namespace quirvanto
