#include "ui/qt/qt_accessible.h"

#include <QAccessibleWidget>

#include "ui/qt/qt_control_widgets.h"
#include "ui/qt/qt_game_window.h"
#include "ui/qt/qt_look.h"
#include "ui/window.h"

namespace ui::qt {

namespace {

const QString kLit = QStringLiteral("lit");

QAccessibleInterface* interfaceOf(const QWidget* window, const Control* control) {
    for (ControlWidget* widget : controlWidgetsOf(*window)) {
        if (&widget->control() == control) {
            return QAccessible::queryAccessibleInterface(widget);
        }
    }
    return nullptr;
}

// The children a screen reader sees: no windows of their own, nothing decorative.
QList<QWidget*> readableChildren(const QWidget* parent) {
    QList<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child == nullptr || child->isWindow()) {
            continue;
        }
        if (const auto* control = dynamic_cast<const ControlWidget*>(child);
            control != nullptr && decorative(control->control())) {
            continue;
        }
        children.append(child);
    }
    return children;
}

// A widget whose children a screen reader reads without the decorative ones, and whose child at
// a point is the one a click there reaches.
class ContainerAccessible : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    [[nodiscard]] int childCount() const override {
        return static_cast<int>(readableChildren(widget()).size());
    }

    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = readableChildren(widget());
        if (index < 0 || index >= children.size()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        return static_cast<int>(readableChildren(widget()).indexOf(child->object()));
    }

    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override {
        const auto* game = dynamic_cast<const GameWindow*>(widget()->window());
        if (game == nullptr) {
            return QAccessibleWidget::childAt(x, y);
        }
        const QPoint at = game->mapFromGlobal(QPoint(x, y));
        Control* reached =
            game->window().controlAt(at.x() * kTwipsPerPixel, at.y() * kTwipsPerPixel);
        for (QAccessibleInterface* found = interfaceOf(game, reached); found != nullptr;
             found = found->parent()) {
            if (found->parent() != nullptr && found->parent()->object() == widget()) {
                const bool read = readableChildren(widget()).contains(found->object());
                return read ? found : nullptr;
            }
        }
        return nullptr;
    }
};

QAccessible::Role roleOf(const Control& control) {
    switch (control.kind()) {
        case ControlKind::Label:
            // A button that toggles reads as a check box: Qt 6.4 tells screen readers whether a
            // check box is checked, and of a push button only whether it is pressed.
            if (control.reading().checked) {
                return QAccessible::CheckBox;
            }
            return static_cast<const Label&>(control).clickable() ? QAccessible::Button
                                                                  : QAccessible::StaticText;
        case ControlKind::Image:
            return QAccessible::Graphic;
        default:
            return QAccessible::Client;
    }
}

class ControlAccessible final : public ContainerAccessible {
public:
    explicit ControlAccessible(ControlWidget* widget)
        : ContainerAccessible(widget, roleOf(widget->control())) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        switch (kind) {
            case QAccessible::Name:
                return accessibleStateOf(controlWidget()).name;
            case QAccessible::Description:
                return accessibleStateOf(controlWidget()).description;
            default:
                return QAccessibleWidget::text(kind);
        }
    }

    // Shown to Qt but not reachable by a click: visible, yet not on show.
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const AccessibleState now = accessibleStateOf(controlWidget());
        state.invisible = !now.showing && !widget()->isVisible();
        state.offscreen = !now.showing;
        if (now.checked) {
            state.checkable = true;
            state.checked = *now.checked;
        }
        return state;
    }

    [[nodiscard]] QStringList actionNames() const override {
        if (clickable()) {
            return {pressAction()};
        }
        return QAccessibleWidget::actionNames();
    }

    // The press is a click: it does nothing while the label is hidden or covered.
    void doAction(const QString& action) override {
        if (action == pressAction() && clickable()) {
            static_cast<Label&>(control()).click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    // A value is labelled by its caption ("Credits" for the credits), and the caption labels it.
    [[nodiscard]] QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        const QWidget* window = widget()->window();
        if (match & QAccessible::Label) {
            if (QAccessibleInterface* caption = interfaceOf(window, control().reading().caption)) {
                related.append({caption, QAccessible::Label});
            }
        }
        if (match & QAccessible::Labelled) {
            for (ControlWidget* other : controlWidgetsOf(*window)) {
                if (other->control().reading().caption == &control()) {
                    related.append(
                        {QAccessible::queryAccessibleInterface(other), QAccessible::Labelled});
                }
            }
        }
        return related;
    }

private:
    [[nodiscard]] const ControlWidget& controlWidget() const {
        return *static_cast<ControlWidget*>(widget());
    }
    [[nodiscard]] Control& control() const { return controlWidget().control(); }
    [[nodiscard]] bool clickable() const {
        return control().kind() == ControlKind::Label &&
               static_cast<const Label&>(control()).clickable();
    }
};

class AnnouncementAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(AnnouncementWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return static_cast<AnnouncementWidget*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state;
        const bool said = !static_cast<AnnouncementWidget*>(widget())->text().isEmpty();
        state.invisible = !said;
        state.offscreen = !said;
        return state;
    }
};

QAccessibleInterface* gameInterface(const QString&, QObject* object) {
    if (auto* control = dynamic_cast<ControlWidget*>(object)) {
        return new ControlAccessible(control);
    }
    if (auto* window = dynamic_cast<GameWindow*>(object)) {
        return new ContainerAccessible(window, QAccessible::Window);
    }
    if (auto* announcement = dynamic_cast<AnnouncementWidget*>(object)) {
        return new AnnouncementAccessible(announcement);
    }
    return nullptr;
}

// A blinking control reads as shown all the while its containers are.
bool showing(const Control& control) {
    if (decorative(control) || control.owner() == nullptr) {
        return false;
    }
    if (control.reading().blinking && control.reading().blinking()) {
        return control.exists() &&
               (control.container() == nullptr || control.container()->shownOnWindow());
    }
    return control.owner()->reachable(control);
}

}  // namespace

bool decorative(const Control& control) {
    const Reading& reading = control.reading();
    if (reading.decorative || control.kind() == ControlKind::Line ||
        (control.kind() == ControlKind::Image && !reading.name)) {
        return true;
    }
    return control.container() != nullptr && decorative(*control.container());
}

AccessibleState accessibleStateOf(const ControlWidget& widget) {
    const Control& control = widget.control();
    const Reading& reading = control.reading();
    AccessibleState state;
    if (reading.name) {
        state.name = toQString(reading.name());
    } else if (control.kind() == ControlKind::Label) {
        state.name = toQString(static_cast<const Label&>(control).caption());
    }
    if (reading.lit) {
        state.description = reading.lit() ? kLit : QString();
    } else if (control.kind() == ControlKind::Label) {
        state.description = toQString(static_cast<const Label&>(control).toolTip());
    }
    state.showing = showing(control);
    state.widgetShown = widget.isVisible();
    if (reading.checked) {
        state.checked = reading.checked();
    }
    return state;
}

AnnouncementWidget::AnnouncementWidget(QWidget& window) : QWidget(&window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void AnnouncementWidget::announce(const QString& text) {
    text_ = text;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gameInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace ui::qt
