#include "ui/qt/qt_accessible.h"

#include <QAccessibleWidget>

#include "ui/qt/qt_control_widgets.h"
#include "ui/qt/qt_game_window.h"

namespace ui::qt {

namespace {

class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelWidget* widget)
        : QAccessibleWidget(widget, widget->label().clickable() ? QAccessible::Button
                                                                : QAccessible::StaticText) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        switch (kind) {
            case QAccessible::Name:
                return labelWidget()->caption();
            case QAccessible::Description:
                return labelWidget()->toolTip();
            default:
                return QAccessibleWidget::text(kind);
        }
    }

    [[nodiscard]] QStringList actionNames() const override {
        if (clickable()) {
            return {pressAction()};
        }
        return QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && clickable()) {
            labelWidget()->label().click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    [[nodiscard]] LabelWidget* labelWidget() const { return static_cast<LabelWidget*>(widget()); }
    [[nodiscard]] bool clickable() const { return labelWidget()->label().clickable(); }
};

// Labels, and the game windows, which read as windows named by their caption.
QAccessibleInterface* gameInterface(const QString&, QObject* object) {
    if (auto* label = dynamic_cast<LabelWidget*>(object)) {
        return new LabelAccessible(label);
    }
    if (auto* window = dynamic_cast<GameWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gameInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace ui::qt
