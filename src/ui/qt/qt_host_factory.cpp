#include "ui/qt/qt_host_factory.h"

#include "ui/qt/qt_accessible.h"
#include "ui/qt/qt_game_window.h"
#include "ui/qt/qt_modal_front.h"
#include "ui/qt/qt_window_host.h"

namespace ui::qt {

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

void QtHostFactory::windowLoaded(const Window& window, GameWindow& widget) {
    windows_[&window] = &widget;
}

void QtHostFactory::windowGone(const Window& window) {
    windows_.erase(&window);
}

}  // namespace ui::qt
