#include "ui/qt/qt_window_host.h"

#include "ui/qt/qt_activation.h"
#include "ui/qt/qt_host_factory.h"
#include "ui/qt/qt_placement.h"
#include "ui/qt/qt_window_icon.h"

namespace ui::qt {

QtWindowHost::QtWindowHost(QtHostFactory& factory, Window& window)
    : factory_(factory),
      window_(window),
      widget_(new GameWindow(window)),
      follower_(*widget_, window.services().scheduler),
      tree_(*widget_) {
    widget_->setWindowIcon(windowIconOf(window.layout(), window.services().pictures));
    if (window.layout().pointer == Pointer::Window) {
        widget_->setCursor(GamePointers::windowPointer(window.services().pictures));
    }
    factory_.windowLoaded(window_, *widget_);
}

QtWindowHost::~QtWindowHost() {
    factory_.windowGone(window_);
    delete widget_.data();
}

// What a screen reader reads of the new widgets is known before any change is told.
void QtWindowHost::controlsCreated() {
    tree_.build(factory_.pointers().clickPointer(window_.services().pictures));
    follower_.restart();
    tree_.observeChanges([this] { follower_.schedule(); });
}

void QtWindowHost::shown() {
    if (Window* owner = window_.owner()) {
        if (QWidget* ownerWidget = factory_.widgetOf(*owner)) {
            standOver(*widget_, *ownerWidget);
        }
    }
    widget_->show();
    activateShown(*widget_);
}

// The widgets go after the current event: a window may unload from inside its own click.
void QtWindowHost::destroyed() {
    tree_.tearDown();
    const bool keyboardStays = programHasTheKeyboard(*widget_);
    widget_->hide();
    widget_->releaseScreenResourcesWhenHidden();
    if (keyboardStays) {
        activateFrontWindow();
    }
}

void QtWindowHost::focusRequested() {
    takeFocusIfFree(*widget_);
}

}  // namespace ui::qt
