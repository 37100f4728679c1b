#pragma once

#include <QCursor>
#include <QPointer>
#include <functional>
#include <vector>

#include "ui/qt/qt_control_widgets.h"

namespace ui::qt {

class GameWindow;

// The widgets of a game window's controls: one child widget per control, each inside the widget
// of its container, made when the controls are created and gone when they are destroyed.
class WidgetTree {
public:
    explicit WidgetTree(GameWindow& window) : window_(window) {}

    // Children are made in z-order, back to front: each one placed later lies in front. Clickable
    // labels show clickPointer.
    void build(const QCursor& clickPointer);
    // Told after every change of any control of the tree.
    void observeChanges(const std::function<void()>& observer);
    // The widgets go after the current event: a window may unload from inside its own click.
    void tearDown();

private:
    GameWindow& window_;
    std::vector<QPointer<ControlWidget>> controls_;
};

}  // namespace ui::qt
