#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace quirvanto {

// The How to play window: a plain window beside the game, not modal, so the game goes on behind
// it and none of its rules, timers or keys change. ESC or its close box closes it.
class HowToPlayWindow final : public QWidget {
public:
    HowToPlayWindow();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// F1 on the machine or on the title window opens How to play, or brings it to the front. The key
// goes no further: the game never sees it.
class HowToPlayKey final : public QObject {
public:
    HowToPlayKey();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open();

    QPointer<HowToPlayWindow> window_;
};

}  // namespace quirvanto
