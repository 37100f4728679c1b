#include "ui/qt/qt_control_widgets.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/qt/qt_look.h"
#include "ui/qt/qt_picture.h"

namespace ui::qt {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ControlWidget::ControlWidget(Control& control) : control_(control) {
    setFocusPolicy(Qt::NoFocus);
}

QRect ControlWidget::geometryOnWindow() const {
    return toPixels(control_.rect());
}

void ControlWidget::controlChanged() {
    follow();
    setGeometry(geometryOnWindow());
    setVisible(control_.visible());
    update();
}

LabelWidget::LabelWidget(Label& label, const QCursor& clickCursor)
    : ControlWidget(label), label_(label), font_(gameFont(label.points())) {
    setFont(font_);
    if (!label.toolTip().empty()) {
        setToolTip(fromUtf8(label.toolTip()));
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
    QString caption = fromUtf8(label_.caption());
    if (caption != caption_) {
        caption_ = std::move(caption);
        QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameChanged);
    }
}

void LabelWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (const auto back = label_.backColour()) {
        painter.fillRect(rect(), toQColor(*back));
    }
    painter.setFont(font_);
    painter.setPen(foreColour());
    const Qt::Alignment horizontal =
        label_.align() == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(rect(), static_cast<int>(horizontal | Qt::AlignTop | Qt::TextSingleLine),
                     caption_);
}

// Every label catches the clicks on it, as a label covering another one does in the game. Each
// press and release is one click, the second of a quick pair too: two clicks on "+" are two.
void LabelWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        label_.click();
    }
}

ImageWidget::ImageWidget(Image& image) : ControlWidget(image), image_(image) {}

void ImageWidget::paintEvent(QPaintEvent*) {
    const auto* picture = dynamic_cast<const QtPicture*>(image_.picture().get());
    if (picture == nullptr || picture->image().isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture->image());
}

LineWidget::LineWidget(Line& line) : ControlWidget(line), line_(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

// The widget reaches one pen width past the line's ends so that a line of any width is whole.
QRect LineWidget::geometryOnWindow() const {
    const int pen = std::max(1, line_.spec().widthPixels);
    return toPixels(line_.rect()).adjusted(-pen, -pen, pen + 1, pen + 1);
}

void LineWidget::paintEvent(QPaintEvent*) {
    const LineSpec& spec = line_.spec();
    const int pen = std::max(1, spec.widthPixels);
    const int left = std::min(spec.x1, spec.x2);
    const int top = std::min(spec.y1, spec.y2);
    const QPoint from(toPixels(spec.x1 - left) + pen, toPixels(spec.y1 - top) + pen);
    const QPoint to(toPixels(spec.x2 - left) + pen, toPixels(spec.y2 - top) + pen);
    QPainter painter(this);
    painter.setPen(QPen(toQColor(spec.colour), pen, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to);
}

PanelWidget::PanelWidget(PictureBox& box) : ControlWidget(box), box_(box) {}

void PanelWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(box_.backColour()));
}

ListWidget::ListWidget(ListBox& list) : ControlWidget(list), list_(list) {}

void ListWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    const int lineHeight = fontMetrics().height();
    int y = 0;
    for (const std::string& item : list_.items()) {
        painter.drawText(QRect(2, y, width() - 4, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         fromUtf8(item));
        y += lineHeight;
    }
}

TextWidget::TextWidget(TextBox& text) : ControlWidget(text), text_(text) {}

void TextWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     fromUtf8(text_.text()));
}

std::unique_ptr<ControlWidget> makeControlWidget(Control& control, const QCursor& clickCursor) {
    switch (control.kind()) {
        case ControlKind::Label:
            return std::make_unique<LabelWidget>(static_cast<Label&>(control), clickCursor);
        case ControlKind::Image:
            return std::make_unique<ImageWidget>(static_cast<Image&>(control));
        case ControlKind::Line:
            return std::make_unique<LineWidget>(static_cast<Line&>(control));
        case ControlKind::PictureBox:
            return std::make_unique<PanelWidget>(static_cast<PictureBox&>(control));
        case ControlKind::ListBox:
            return std::make_unique<ListWidget>(static_cast<ListBox&>(control));
        case ControlKind::TextBox:
            return std::make_unique<TextWidget>(static_cast<TextBox&>(control));
    }
    return nullptr;
}

}  // namespace ui::qt
