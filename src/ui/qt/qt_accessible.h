#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "ui/control.h"

namespace ui::qt {

class ControlWidget;

// Labels reach screen readers with their caption as name; a clickable label reads as a button
// whose press action clicks it and whose description is its tool tip; a game window reads as a
// window named by its caption. A control reads as showing only while a click could reach it,
// by the model's rule, and its press does nothing while it cannot. Pictures and lines that only
// decorate are left out of the tree, and so is whatever a window marks decorative. Safe to call
// repeatedly.
void installAccessibility();

// What a screen reader reads of a control at this moment.
struct AccessibleState {
    QString name;
    QString description;  // the tool tip, or "lit" while a lit reading says so
    bool showing = false;
    bool widgetShown = false;  // what Qt itself tells screen readers when the widget shows or hides
    std::optional<bool> checked;

    bool operator==(const AccessibleState&) const = default;
};
[[nodiscard]] AccessibleState accessibleStateOf(const ControlWidget& widget);

// Left out of the tree: lines, unnamed pictures, what the window reads as decorative, and
// whatever lies inside it.
[[nodiscard]] bool decorative(const Control& control);

// One per game window, never drawn: it reads as a notification whose name is the window's last
// announcement ("Credits: 9"), and screen readers speak it each time it shows.
class AnnouncementWidget final : public QWidget {
public:
    explicit AnnouncementWidget(QWidget& window);
    [[nodiscard]] const QString& text() const { return text_; }
    void announce(const QString& text);

private:
    QString text_;
};

}  // namespace ui::qt
