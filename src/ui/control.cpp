#include "ui/control.h"

#include <algorithm>

#include "ui/window.h"

namespace ui {

namespace {
const std::string kNoText;
const std::vector<std::string> kNoItems;
}  // namespace

void Control::create(std::string_view name, int index, Rect rect, bool visible,
                     PictureBox* container) {
    name_ = name;
    index_ = index;
    rect_ = rect;
    visible_ = visible;
    container_ = container;
    exists_ = true;
}

void Control::destroy() {
    exists_ = false;
    view_ = nullptr;
}

void Control::changed() {
    if (view_ != nullptr) {
        view_->controlChanged();
    }
}

void Control::setVisible(bool visible) {
    assign(visible_, visible);
}

void Control::setLeft(Twips left) {
    assign(rect_.left, left);
}

void Control::setTop(Twips top) {
    assign(rect_.top, top);
}

void Control::move(Twips left, Twips top) {
    if (exists_ && (rect_.left != left || rect_.top != top)) {
        rect_.left = left;
        rect_.top = top;
        changed();
    }
}

bool Control::shownOnWindow() const {
    if (!visible()) {
        return false;
    }
    return container_ == nullptr || container_->shownOnWindow();
}

void Label::create(std::string_view name, int index, const LabelLayout& layout,
                   PictureBox* container, TextMeasure& measure) {
    Control::create(name, index, layout.rect, layout.visible, container);
    caption_ = layout.caption;
    fore_ = layout.fore;
    back_ = layout.back;
    points_ = layout.points;
    align_ = layout.align;
    toolTip_ = layout.toolTip;
    clickable_ = layout.clickable;
    sizesToCaption_ = layout.sizesToCaption;
    layoutLeft_ = layout.rect.left;
    endsBy_ = layout.endsBy;
    measure_ = &measure;
    fitToCaption();
}

const std::string& Label::caption() const {
    return exists() ? caption_ : kNoText;
}

void Label::setCaption(std::string_view caption) {
    if (!exists() || caption_ == caption) {
        return;
    }
    if (caption.size() == caption_.size()) {
        // Captions mostly change to one of the same length (digits counting, a light moving):
        // copied in place, which the general assignment is several times slower at. A view of
        // the same length cannot lie inside this caption unless it is equal to it.
        std::ranges::copy(caption, caption_.begin());
    } else {
        caption_ = caption;
    }
    fitToCaption();
    changed();
}

void Label::fitToCaption() {
    if (sizesToCaption_ && measure_ != nullptr) {
        Rect fitted = rect();
        fitted.width = measure_->width(caption_, points_);
        if (endsBy_) {
            fitted.left = std::min(layoutLeft_, *endsBy_ - fitted.width);
        }
        setRectQuietly(fitted);
    }
}

void Label::click() {
    if (clickable_ && owner() != nullptr && owner()->reachable(*this) && owner()->takesInput() &&
        onClick_) {
        owner()->run(onClick_);
    }
}

void Image::setPicture(const Picture& picture) {
    if (picture) {
        assign(picture_, picture);
    }
}

const std::vector<std::string>& ListBox::items() const {
    return exists() ? items_ : kNoItems;
}

const std::string& TextBox::text() const {
    return exists() ? text_ : kNoText;
}

void TextBox::setText(std::string_view text) {
    if (exists() && text_ != text) {
        text_ = text;
        changed();
    }
}

}  // namespace ui
