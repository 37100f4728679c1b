#pragma once

#include <QCursor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/control.h"

// One widget per control of a window, each following its control through ui::ControlView.
namespace ui::qt {

class ControlWidget : public QWidget, public ControlView {
public:
    ControlWidget(const ControlWidget&) = delete;
    ControlWidget& operator=(const ControlWidget&) = delete;

    [[nodiscard]] Control& control() const { return control_; }
    // Takes position, size and visibility from the control, repaints and tells the observer.
    void controlChanged() override;
    // Told after every change of the control: what a screen reader reads may have changed.
    void setChangeObserver(std::function<void()> observer) { onChange_ = std::move(observer); }

protected:
    explicit ControlWidget(Control& control);
    [[nodiscard]] virtual QRect geometryOnWindow() const;
    virtual void follow() {}
    // Whether the control is drawn now: a widget may stay shown for a hidden control.
    [[nodiscard]] bool drawn() const;

private:
    [[nodiscard]] bool keepsWidgetShown() const;

    Control& control_;
    std::function<void()> onChange_;
};

class LabelWidget final : public ControlWidget {
public:
    // Clickable labels show clickCursor.
    LabelWidget(Label& label, const QCursor& clickCursor);
    [[nodiscard]] Label& label() const { return label_; }
    [[nodiscard]] const QString& caption() const { return caption_; }
    [[nodiscard]] QColor foreColour() const;

protected:
    void follow() override;
    void paintEvent(QPaintEvent* event) override;

private:
    Label& label_;
    QFont font_;
    QString caption_;
};

// The control widgets of a game window, in no set order; not those of a window it owns (a bonus
// window that stands over it).
[[nodiscard]] QList<ControlWidget*> controlWidgetsOf(const QWidget& window);

// The widget for any control, not yet following it: the caller places it, then attaches it.
// Images, lines, picture boxes, list and text boxes only draw their control.
[[nodiscard]] std::unique_ptr<ControlWidget> makeControlWidget(Control& control,
                                                               const QCursor& clickCursor);

}  // namespace ui::qt
