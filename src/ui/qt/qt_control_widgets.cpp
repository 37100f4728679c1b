#include "ui/qt/qt_control_widgets.h"

#include <QPainter>
#include <algorithm>

#include "ui/qt/qt_look.h"
#include "ui/qt/qt_picture.h"

namespace ui::qt {

QList<ControlWidget*> controlWidgetsOf(const QWidget& window) {
    QList<ControlWidget*> found;
    // ControlWidget has no meta-object of its own, so findChildren could not tell it apart.
    for (QWidget* child : window.findChildren<QWidget*>()) {
        auto* widget = dynamic_cast<ControlWidget*>(child);
        if (widget != nullptr && widget->window() == &window) {
            found.append(widget);
        }
    }
    return found;
}

ControlWidget::ControlWidget(Control& control) : control_(control) {
    setFocusPolicy(Qt::NoFocus);
}

QRect ControlWidget::geometryOnWindow() const {
    return toPixels(control_.rect());
}

// A decorative or blinking control keeps its widget shown and only stops drawing while it is
// hidden: Qt tells screen readers of every widget shown or hidden, and a marker that moves on
// every tick, or a prompt that blinks, would never let them rest.
bool ControlWidget::keepsWidgetShown() const {
    const Reading& reading = control_.reading();
    const bool blinking = reading.blinking && reading.blinking();
    return (reading.decorative || blinking) && control_.kind() != ControlKind::PictureBox;
}

bool ControlWidget::drawn() const {
    return control_.visible();
}

void ControlWidget::controlChanged() {
    follow();
    setGeometry(geometryOnWindow());
    const bool keptShown = keepsWidgetShown();
    setVisible(control_.exists() && (control_.visible() || keptShown));
    // While it is hidden, the pointer sees what lies under it (lines never catch the pointer).
    if (keptShown && control_.kind() != ControlKind::Line) {
        setAttribute(Qt::WA_TransparentForMouseEvents, !control_.visible());
    }
    update();
    if (onChange_) {
        onChange_();
    }
}

LabelWidget::LabelWidget(Label& label, const QCursor& clickCursor)
    : ControlWidget(label), label_(label), font_(gameFont(label.points())) {
    setFont(font_);
    if (!label.toolTip().empty()) {
        setToolTip(toQString(label.toolTip()));
    }
    if (label.clickable()) {
        setCursor(clickCursor);
    }
}

QColor LabelWidget::foreColour() const {
    return toQColor(label_.foreColour());
}

void LabelWidget::follow() {
    if (!label_.exists()) {
        return;
    }
    caption_ = toQString(label_.caption());
}

void LabelWidget::paintEvent(QPaintEvent*) {
    if (!drawn()) {
        return;
    }
    QPainter painter(this);
    if (const auto back = label_.backColour()) {
        painter.fillRect(rect(), toQColor(*back));
    }
    painter.setFont(font_);
    painter.setPen(foreColour());
    const Qt::Alignment horizontal =
        label_.align() == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    const int layout = label_.sizesToCaption() ? kOneLineTextFlags : kLabelTextFlags;
    painter.drawText(rect(), static_cast<int>(horizontal) | layout, caption_);
}

namespace {

void draw(QPainter& painter, QRect area, const Image& image) {
    const auto* picture = dynamic_cast<const QtPicture*>(image.picture().get());
    if (picture != nullptr && !picture->image().isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(area, picture->image());
    }
}

// A picture box: a filled rectangle of its back colour and the container of its controls.
void draw(QPainter& painter, QRect area, const PictureBox& box) {
    painter.fillRect(area, toQColor(box.backColour()));
}

// List and text boxes hold data the game reads; the game never shows a list box.
void draw(QPainter& painter, QRect area, const ListBox& list) {
    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::black);
    const int lineHeight = painter.fontMetrics().height();
    int y = 0;
    for (const std::string& item : list.items()) {
        painter.drawText(QRect(2, y, area.width() - 4, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, toQString(item));
        y += lineHeight;
    }
}

void draw(QPainter& painter, QRect area, const TextBox& text) {
    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(area.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     toQString(text.text()));
}

template <class C>
class DrawnWidget final : public ControlWidget {
public:
    explicit DrawnWidget(C& control) : ControlWidget(control), control_(control) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (drawn()) {
            QPainter painter(this);
            draw(painter, rect(), control_);
        }
    }

private:
    C& control_;
};

// Lines never take clicks: a click passes through to whatever lies under them.
class LineWidget final : public ControlWidget {
public:
    explicit LineWidget(Line& line) : ControlWidget(line), line_(line) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    // The widget reaches one pen width past the line's ends so that a line of any width is whole.
    [[nodiscard]] QRect geometryOnWindow() const override {
        const int pen = std::max(1, line_.layout().widthPixels);
        return toPixels(line_.rect()).adjusted(-pen, -pen, pen + 1, pen + 1);
    }

    void paintEvent(QPaintEvent*) override {
        if (!drawn()) {
            return;
        }
        const LineLayout& layout = line_.layout();
        const int pen = std::max(1, layout.widthPixels);
        const int left = std::min(layout.x1, layout.x2);
        const int top = std::min(layout.y1, layout.y2);
        const QPoint from(toPixels(layout.x1 - left) + pen, toPixels(layout.y1 - top) + pen);
        const QPoint to(toPixels(layout.x2 - left) + pen, toPixels(layout.y2 - top) + pen);
        QPainter painter(this);
        painter.setPen(QPen(toQColor(layout.colour), pen, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(from, to);
    }

private:
    Line& line_;
};

}  // namespace

std::unique_ptr<ControlWidget> makeControlWidget(Control& control, const QCursor& clickCursor) {
    switch (control.kind()) {
        case ControlKind::Label:
            return std::make_unique<LabelWidget>(static_cast<Label&>(control), clickCursor);
        case ControlKind::Image:
            return std::make_unique<DrawnWidget<Image>>(static_cast<Image&>(control));
        case ControlKind::Line:
            return std::make_unique<LineWidget>(static_cast<Line&>(control));
        case ControlKind::PictureBox:
            return std::make_unique<DrawnWidget<PictureBox>>(static_cast<PictureBox&>(control));
        case ControlKind::ListBox:
            return std::make_unique<DrawnWidget<ListBox>>(static_cast<ListBox&>(control));
        case ControlKind::TextBox:
            return std::make_unique<DrawnWidget<TextBox>>(static_cast<TextBox&>(control));
    }
    return nullptr;
}

}  // namespace ui::qt
