#include "ui/qt/qt_game_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

#include "ui/qt/qt_keys.h"
#include "ui/qt/qt_look.h"

namespace ui::qt {

GameWindow::GameWindow(Window& window) : window_(window) {
    const WindowLayout& layout = window.layout();
    setWindowTitle(toQString(layout.caption));
    setFixedSize(toPixels(layout.inner.width), toPixels(layout.inner.height));
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(layout.back));
    setPalette(background);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);
}

void GameWindow::watchKeysOf(QWidget& child) {
    child.installEventFilter(this);
}

// The windows it owns keep theirs: destroying them is for their own hosts to decide.
void GameWindow::releaseScreenResourcesWhenHidden() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isVisible()) {
                destroy(true, false);
            }
        },
        Qt::QueuedConnection);
}

// Every key press counts, auto-repeats included: one key-down, then the character if it has one.
bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const GameKey key = translateKey(*static_cast<QKeyEvent*>(event));
    if (key.keyCode) {
        window_.keyDown(*key.keyCode);
    }
    if (key.character) {
        window_.keyPress(*key.character);
    }
    return true;
}

// The model decides: it unloads the window (and so hides it) or refuses while it takes no input.
void GameWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    window_.requestClose();
}

namespace {

// GameWindow has no meta-object of its own, so its owned windows are found by their type.
bool inFront(const GameWindow* window) {
    if (window == nullptr || !window->isVisible()) {
        return false;
    }
    const QObjectList& children = window->children();
    return std::none_of(children.begin(), children.end(), [](const QObject* child) {
        const auto* owned = dynamic_cast<const GameWindow*>(child);
        return owned != nullptr && owned->isVisible();
    });
}

}  // namespace

GameWindow* frontGameWindow() {
    if (auto* active = dynamic_cast<GameWindow*>(QApplication::activeWindow()); inFront(active)) {
        return active;
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<GameWindow*>(widget); inFront(window)) {
            return window;
        }
    }
    return nullptr;
}

Label* GameWindow::labelAt(const QPointF& position) const {
    const auto pixel = [](double at) {
        return static_cast<Twips>(std::floor(at)) * kTwipsPerPixel;
    };
    Control* control = window_.controlAt(pixel(position.x()), pixel(position.y()));
    return control != nullptr && control->kind() == ControlKind::Label
               ? static_cast<Label*>(control)
               : nullptr;
}

// Every label catches the clicks on it, as a label covering another one does in the game. Each
// press and release is one click, the second of a quick pair too: two clicks on "+" are two.
void GameWindow::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton ? labelAt(event->position()) : nullptr;
    event->accept();
}

void GameWindow::mouseReleaseEvent(QMouseEvent* event) {
    Label* const pressed = pressed_;
    pressed_ = nullptr;
    event->accept();
    if (pressed != nullptr && event->button() == Qt::LeftButton &&
        labelAt(event->position()) == pressed) {
        pressed->click();
    }
}

}  // namespace ui::qt
