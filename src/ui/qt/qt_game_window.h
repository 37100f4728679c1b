#pragma once

#include <QWidget>

#include "ui/window.h"

namespace ui::qt {

// The top-level widget of one game window: a client area fixed to the window's inner size, its
// caption and back colour. It sees every key whatever child has focus and hands the keys and the
// close box to the model, which decides, and so are the clicks: a press and a release of the
// left button on the same label, found by the model's own rule of what a click reaches.
class GameWindow final : public QWidget {
public:
    explicit GameWindow(Window& window);

    [[nodiscard]] Window& window() const { return window_; }
    // Keys that reach child widgets come to the window as well.
    void watchKeysOf(QWidget& child);
    // Once the current event is done, a window still hidden gives back its native window and
    // with it the image it is drawn into, shared with the display server and as large as its
    // client area; showing it again makes both anew.
    void releaseScreenResourcesWhenHidden();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    [[nodiscard]] Label* labelAt(const QPointF& position) const;

    Window& window_;
    Label* pressed_ = nullptr;
};

// The shown game window in front: one that owns no shown game window (a bonus game stands in
// front of the machine), the active one where it is such, or null when none is shown.
[[nodiscard]] GameWindow* frontGameWindow();

}  // namespace ui::qt
