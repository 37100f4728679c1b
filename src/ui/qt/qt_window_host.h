#pragma once

#include <QPointer>

#include "ui/qt/qt_accessible_follower.h"
#include "ui/qt/qt_game_window.h"
#include "ui/qt/qt_widget_tree.h"
#include "ui/window.h"

namespace ui::qt {

class QtHostFactory;

// The on-screen side of one game window: its top-level GameWindow with the window's icon and
// pointer, the widgets of its controls, its place over its owner, when it takes the keyboard,
// and what screen readers are told of it. Each of these is kept in a file of its own; the host
// only says when each is done.
class QtWindowHost final : public WindowHost {
public:
    QtWindowHost(QtHostFactory& factory, Window& window);
    QtWindowHost(const QtWindowHost&) = delete;
    QtWindowHost& operator=(const QtWindowHost&) = delete;
    ~QtWindowHost() override;

    void controlsCreated() override;
    void shown() override;
    void destroyed() override;
    void focusRequested() override;

private:
    QtHostFactory& factory_;
    Window& window_;
    QPointer<GameWindow> widget_;
    AccessibleFollower follower_;
    WidgetTree tree_;
};

}  // namespace ui::qt
