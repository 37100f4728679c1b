#pragma once

#include <QCursor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <memory>

#include "ui/control.h"

// One widget per control of a window, each following its control through ui::ControlView.
namespace ui::qt {

class ControlWidget : public QWidget, public ControlView {
public:
    ControlWidget(const ControlWidget&) = delete;
    ControlWidget& operator=(const ControlWidget&) = delete;

    [[nodiscard]] Control& control() const { return control_; }
    // Takes position, size and visibility from the control and repaints.
    void controlChanged() override;

protected:
    explicit ControlWidget(Control& control);
    [[nodiscard]] virtual QRect geometryOnWindow() const;
    virtual void follow() {}

private:
    Control& control_;
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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Label& label_;
    QFont font_;
    QString caption_;
    bool pressed_ = false;
};

class ImageWidget final : public ControlWidget {
public:
    explicit ImageWidget(Image& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Image& image_;
};

// Lines never take clicks: a click passes through to whatever lies under them.
class LineWidget final : public ControlWidget {
public:
    explicit LineWidget(Line& line);

protected:
    [[nodiscard]] QRect geometryOnWindow() const override;
    void paintEvent(QPaintEvent* event) override;

private:
    Line& line_;
};

// A picture box: a filled rectangle of its back colour and the container of its controls.
class PanelWidget final : public ControlWidget {
public:
    explicit PanelWidget(PictureBox& box);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureBox& box_;
};

// List and text boxes hold data the game reads; the game never shows a list box.
class ListWidget final : public ControlWidget {
public:
    explicit ListWidget(ListBox& list);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ListBox& list_;
};

class TextWidget final : public ControlWidget {
public:
    explicit TextWidget(TextBox& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TextBox& text_;
};

// The widget for any control, not yet following it: the caller places it, then attaches it.
[[nodiscard]] std::unique_ptr<ControlWidget> makeControlWidget(Control& control,
                                                               const QCursor& clickCursor);

}  // namespace ui::qt
