#include "ui/qt/qt_widget_tree.h"

#include <unordered_map>

#include "ui/qt/qt_game_window.h"

namespace ui::qt {

void WidgetTree::build(const QCursor& clickPointer) {
    Window& window = window_.window();
    std::unordered_map<const Control*, ControlWidget*> made;
    for (Control* control : window.controls()) {
        auto widget = makeControlWidget(*control, clickPointer);
        made[control] = widget.get();
        controls_.emplace_back(widget.release());
    }
    for (Control* control : window.controls()) {
        ControlWidget* widget = made[control];
        const auto container = made.find(control->container());
        widget->setParent(container != made.end() ? container->second
                                                  : static_cast<QWidget*>(&window_));
        window_.watchKeysOf(*widget);
        widget->controlChanged();
        control->setView(widget);
    }
}

void WidgetTree::observeChanges(const std::function<void()>& observer) {
    for (const QPointer<ControlWidget>& widget : controls_) {
        widget->setChangeObserver(observer);
    }
}

void WidgetTree::tearDown() {
    for (const QPointer<ControlWidget>& widget : controls_) {
        if (widget) {
            widget->control().setView(nullptr);
            widget->hide();
            widget->deleteLater();
        }
    }
    controls_.clear();
}

}  // namespace ui::qt
