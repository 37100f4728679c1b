#include "ui/qt/qt_host_factory.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPointer>
#include <QScreen>
#include <cmath>
#include <vector>

#include "ui/qt/qt_accessible.h"
#include "ui/qt/qt_accessible_follower.h"
#include "ui/qt/qt_control_widgets.h"
#include "ui/qt/qt_game_window.h"
#include "ui/qt/qt_modal_front.h"
#include "ui/qt/qt_picture.h"
#include "ui/qt/qt_pointers.h"

namespace ui::qt {

namespace {

// An icon with no picture at all: a window whose layout has no icon shows none, where Qt would
// otherwise give it the program's icon.
class NoIconEngine final : public QIconEngine {
public:
    void paint(QPainter*, const QRect&, QIcon::Mode, QIcon::State) override {}
    QPixmap pixmap(const QSize&, QIcon::Mode, QIcon::State) override { return {}; }
    [[nodiscard]] QIconEngine* clone() const override { return new NoIconEngine; }
    bool isNull() override { return false; }
};

QIcon iconOf(const WindowLayout& layout, PictureSource& pictures) {
    if (layout.icon) {
        const Picture icon = pictures.design(*layout.icon);
        if (const auto* drawn = dynamic_cast<const QtPicture*>(icon.get())) {
            return QIcon(QPixmap::fromImage(drawn->image()));
        }
    }
    return QIcon(new NoIconEngine);
}

// Centred on its owner, then moved inside the available area of the owner's screen, frame and
// all, the title bar last so that it stays within reach. The frame is taken to be the owner's.
void placeOver(QWidget& window, const QWidget& owner) {
    const QRect ownerFrame = owner.frameGeometry();
    const QRect ownerClient = owner.geometry();
    const QMargins frame(
        ownerClient.left() - ownerFrame.left(), ownerClient.top() - ownerFrame.top(),
        ownerFrame.right() - ownerClient.right(), ownerFrame.bottom() - ownerClient.bottom());
    QRect client(QPoint(), window.size());
    client.moveCenter(ownerClient.center());
    QRect outer = client.marginsAdded(frame);
    const QRect available = owner.screen()->availableGeometry();
    outer.moveRight(std::min(outer.right(), available.right()));
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveBottom(std::min(outer.bottom(), available.bottom()));
    outer.moveTop(std::max(outer.top(), available.top()));
    window.move(outer.topLeft());
}

// A modal window that is not one of the game's is a message box.
bool messageBoxOpen() {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && dynamic_cast<GameWindow*>(modal) == nullptr;
}

}  // namespace

class QtWindowHost final : public WindowHost {
public:
    QtWindowHost(QtHostFactory& factory, Window& window)
        : factory_(factory),
          window_(window),
          widget_(new GameWindow(window)),
          follower_(*widget_, window.services().scheduler) {
        const WindowLayout& layout = window.layout();
        PictureSource& pictures = window.services().pictures;
        widget_->setWindowIcon(iconOf(layout, pictures));
        if (layout.pointer == Pointer::Window) {
            widget_->setCursor(pointerOf(pictures.design(DesignPicture::WindowPointer),
                                         Qt::ArrowCursor, qApp->devicePixelRatio()));
        }
        factory_.windows_[&window_] = widget_;
    }

    QtWindowHost(const QtWindowHost&) = delete;
    QtWindowHost& operator=(const QtWindowHost&) = delete;

    ~QtWindowHost() override {
        factory_.windows_.erase(&window_);
        delete widget_.data();
    }

    // Children are made in z-order, back to front: each one placed later lies in front.
    void controlsCreated() override {
        const QCursor& pointer = factory_.clickCursor(window_.services().pictures);
        std::unordered_map<const Control*, ControlWidget*> made;
        for (Control* control : window_.controls()) {
            auto widget = makeControlWidget(*control, pointer);
            made[control] = widget.get();
            controls_.emplace_back(widget.release());
        }
        for (Control* control : window_.controls()) {
            ControlWidget* widget = made[control];
            const auto container = made.find(control->container());
            widget->setParent(container != made.end() ? container->second
                                                      : static_cast<QWidget*>(widget_));
            widget_->watchKeysOf(*widget);
            widget->controlChanged();
            control->setView(widget);
        }
        follower_.restart();
        for (Control* control : window_.controls()) {
            made[control]->setChangeObserver([this] { follower_.schedule(); });
        }
    }

    // A window with an owner is modal to it, set before it is shown, and transient for it: Qt
    // tells the window manager so (WM_TRANSIENT_FOR) only for a dialog, which is kept in front of
    // its owner.
    void shown() override {
        if (Window* owner = window_.owner()) {
            if (QWidget* ownerWidget = factory_.widgetOf(*owner)) {
                widget_->setParent(ownerWidget, Qt::Dialog);
                widget_->setWindowModality(Qt::WindowModal);
                placeOver(*widget_, *ownerWidget);
            }
        }
        widget_->show();
        // With no window manager, show() does not activate a window.
        widget_->activateWindow();
        widget_->raise();
    }

    // The widgets go after the current event: a window may unload from inside its own click.
    void destroyed() override {
        for (const QPointer<ControlWidget>& widget : controls_) {
            if (widget) {
                widget->control().setView(nullptr);
                widget->hide();
                widget->deleteLater();
            }
        }
        controls_.clear();
        // The window that comes back gets the keyboard, also where no window manager gives it,
        // when the program has it: this window is the active one, or the keyboard is between
        // two of the program's windows, as just after a message box over this one closed.
        const bool programHasTheKeyboard =
            widget_->isActiveWindow() ||
            (QApplication::activeWindow() == nullptr &&
             QGuiApplication::applicationState() == Qt::ApplicationActive);
        widget_->hide();
        if (GameWindow* front = frontGameWindow(); front != nullptr && programHasTheKeyboard) {
            front->activateWindow();
            front->raise();
        }
    }

    // Never takes the focus from another program, nor from an open message box.
    void focusRequested() override {
        if (QGuiApplication::applicationState() != Qt::ApplicationActive || messageBoxOpen() ||
            !widget_->isVisible()) {
            return;
        }
        if (QApplication::activeWindow() != widget_) {
            widget_->activateWindow();
            widget_->raise();
        }
        widget_->setFocus(Qt::OtherFocusReason);
    }

private:
    QtHostFactory& factory_;
    Window& window_;
    QPointer<GameWindow> widget_;
    AccessibleFollower follower_;
    std::vector<QPointer<ControlWidget>> controls_;
};

QtHostFactory::QtHostFactory() {
    installAccessibility();
    keepModalWindowsInFront();
}

QtHostFactory::~QtHostFactory() = default;

std::unique_ptr<WindowHost> QtHostFactory::create(Window& window) {
    return std::make_unique<QtWindowHost>(*this, window);
}

QWidget* QtHostFactory::widgetOf(const Window& window) const {
    const auto found = windows_.find(&window);
    return found != windows_.end() ? found->second : nullptr;
}

const QCursor& QtHostFactory::clickCursor(PictureSource& pictures) {
    if (!clickCursor_) {
        clickCursor_ = pointerOf(pictures.design(DesignPicture::ClickPointer),
                                 Qt::PointingHandCursor, qApp->devicePixelRatio());
    }
    return *clickCursor_;
}

}  // namespace ui::qt
