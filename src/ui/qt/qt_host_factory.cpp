#include "ui/qt/qt_host_factory.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <vector>

#include "ui/qt/qt_accessible.h"
#include "ui/qt/qt_control_widgets.h"
#include "ui/qt/qt_game_window.h"
#include "ui/qt/qt_picture.h"

namespace ui::qt {

namespace {

// A pointer from its picture, pointing with the picture's own hot spot.
QCursor cursorOf(const Picture& picture, Qt::CursorShape fallback) {
    const auto* drawn = dynamic_cast<const QtPicture*>(picture.get());
    if (drawn == nullptr || drawn->image().isNull()) {
        return QCursor(fallback);
    }
    // Drawn at the screen's own pixel ratio, so that no platform has to scale the pointer.
    const double ratio = qApp->devicePixelRatio();
    const QSize logical = drawn->image().deviceIndependentSize().toSize();
    QImage image =
        drawn->image().scaled(logical * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return QCursor(QPixmap::fromImage(image), drawn->hotSpot().x(), drawn->hotSpot().y());
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
        : factory_(factory), window_(window), widget_(new GameWindow(window)) {
        const WindowLayout& layout = window.layout();
        PictureSource& pictures = window.services().pictures;
        if (layout.icon) {
            const Picture icon = pictures.design(*layout.icon);
            if (const auto* drawn = dynamic_cast<const QtPicture*>(icon.get())) {
                widget_->setWindowIcon(QIcon(QPixmap::fromImage(drawn->image())));
            }
        }
        if (layout.pointer == Pointer::Window) {
            widget_->setCursor(
                cursorOf(pictures.design(DesignPicture::WindowPointer), Qt::ArrowCursor));
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
    }

    // A window with an owner is transient for it and modal to it, set before it is shown.
    void shown() override {
        if (Window* owner = window_.owner()) {
            if (QWidget* ownerWidget = factory_.widgetOf(*owner)) {
                widget_->setParent(ownerWidget, Qt::Window);
                widget_->setWindowModality(Qt::WindowModal);
                widget_->move(ownerWidget->geometry().center() - widget_->rect().center());
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
        widget_->hide();
    }

    // The machine is not greyed while it takes no input: its colours stay as the game set them,
    // and the modal bonus window already keeps the player's input from it.
    void inputChanged() override {}

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
    std::vector<QPointer<ControlWidget>> controls_;
};

QtHostFactory::QtHostFactory() {
    installAccessibility();
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
        clickCursor_ =
            cursorOf(pictures.design(DesignPicture::ClickPointer), Qt::PointingHandCursor);
    }
    return *clickCursor_;
}

}  // namespace ui::qt
