// What covers what: the one rule that decides which control a click reaches, used for the mouse
// and for what a screen reader may press.

#include <algorithm>
#include <vector>

#include "ui/window.h"

namespace ui {

namespace {

bool contains(const Rect& rect, Twips x, Twips y) {
    return x >= rect.left && x < rect.left + rect.width && y >= rect.top &&
           y < rect.top + rect.height;
}

bool catchesClicks(const Control& control) {
    return control.visible() && control.kind() != ControlKind::Line;
}

Rect intersection(const Rect& a, const Rect& b) {
    const Twips left = std::max(a.left, b.left);
    const Twips top = std::max(a.top, b.top);
    const Twips right = std::min(a.left + a.width, b.left + b.width);
    const Twips bottom = std::min(a.top + a.height, b.top + b.height);
    if (right <= left || bottom <= top) {
        return {};
    }
    return {left, top, right - left, bottom - top};
}

// The part of the area that the cut does not cover, as up to four rectangles for each piece.
std::vector<Rect> subtract(const std::vector<Rect>& area, const Rect& cut) {
    std::vector<Rect> left;
    for (const Rect& piece : area) {
        const Rect common = intersection(piece, cut);
        if (common.width == 0) {
            left.push_back(piece);
            continue;
        }
        const Twips pieceRight = piece.left + piece.width;
        const Twips pieceBottom = piece.top + piece.height;
        const Twips commonRight = common.left + common.width;
        const Twips commonBottom = common.top + common.height;
        if (common.top > piece.top) {
            left.push_back({piece.left, piece.top, piece.width, common.top - piece.top});
        }
        if (commonBottom < pieceBottom) {
            left.push_back({piece.left, commonBottom, piece.width, pieceBottom - commonBottom});
        }
        if (common.left > piece.left) {
            left.push_back({piece.left, common.top, common.left - piece.left, common.height});
        }
        if (commonRight < pieceRight) {
            left.push_back({commonRight, common.top, pieceRight - commonRight, common.height});
        }
    }
    return left;
}

// Where the control lies on the client area: its rectangle is relative to its container.
Rect onWindow(const Control& control) {
    Rect rect = control.rect();
    for (const PictureBox* box = control.container(); box != nullptr; box = box->container()) {
        rect.left += box->left();
        rect.top += box->top();
    }
    return rect;
}

Control* frontmostAt(const std::vector<Control*>& controls, const PictureBox* container, Twips x,
                     Twips y) {
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        Control* control = *it;
        if (control->container() != container || !catchesClicks(*control) ||
            !contains(control->rect(), x, y)) {
            continue;
        }
        if (control->kind() == ControlKind::PictureBox) {
            if (Control* inner = frontmostAt(controls, static_cast<PictureBox*>(control),
                                             x - control->left(), y - control->top())) {
                return inner;
            }
        }
        return control;
    }
    return nullptr;
}

}  // namespace

Control* Window::controlAt(Twips x, Twips y) const {
    if (!loaded_ || !contains({0, 0, layout_.inner.width, layout_.inner.height}, x, y)) {
        return nullptr;
    }
    return frontmostAt(controls_, nullptr, x, y);
}

bool Window::reachable(const Control& control) const {
    if (!loaded_ || control.owner() != this || !control.shownOnWindow() ||
        !catchesClicks(control)) {
        return false;
    }
    Rect clip{0, 0, layout_.inner.width, layout_.inner.height};
    for (const PictureBox* box = control.container(); box != nullptr; box = box->container()) {
        clip = intersection(clip, onWindow(*box));
    }
    std::vector<Rect> area{intersection(onWindow(control), clip)};
    if (area.front().width == 0) {
        return false;
    }
    // Climbing from the control to the window: at each level, what lies in front covers it.
    const Control* level = &control;
    while (level != nullptr) {
        const auto at = std::find(controls_.begin(), controls_.end(), level);
        for (auto front = std::next(at); front != controls_.end(); ++front) {
            if ((*front)->container() == level->container() && catchesClicks(**front)) {
                area = subtract(area, onWindow(**front));
            }
        }
        level = level->container();
    }
    return !area.empty();
}

}  // namespace ui
