#include "ui/window.h"

namespace ui {

Window::Window(Application& app, WindowLayout layout, std::string_view name)
    : app_(app), layout_(layout), name_(name) {
    app_.add(*this);
}

Window::~Window() {
    app_.remove(*this);
}

Services& Window::services() {
    return app_.services();
}

WindowHost* Window::host() {
    if (!host_) {
        host_ = services().hosts.create(*this);
    }
    return host_.get();
}

void Window::load() {
    if (loaded_ || app_.ended()) {
        return;
    }
    loaded_ = true;
    shown_ = false;
    takesInput_ = true;
    controls_.clear();
    timers_.clear();
    createControls();
    if (WindowHost* h = host()) {
        h->controlsCreated();
    }
    run([this] { Form_Load(); });
}

void Window::show() {
    load();
    if (!loaded_ || shown_) {
        return;
    }
    shown_ = true;
    if (WindowHost* h = host()) {
        h->shown();
    }
}

void Window::unload() {
    if (!loaded_) {
        return;
    }
    run([this] { Form_Unload(); });
    destroyEverything();
}

void Window::destroyEverything() {
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    shown_ = false;
    for (Timer* timer : timers_) {
        timer->destroy();
    }
    for (Control* control : controls_) {
        control->destroy();
    }
    if (host_) {
        host_->destroyed();
    }
}

void Window::setTakesInput(bool takesInput) {
    takesInput_ = takesInput;
}

void Window::takeFocus() {
    if (loaded_ && host_) {
        host_->focusRequested();
    }
}

void Window::keyDown(int keyCode) {
    if (loaded_ && takesInput_) {
        run([&] { Form_KeyDown(keyCode, 0); });
    }
}

void Window::keyPress(int character) {
    if (loaded_ && takesInput_) {
        run([&] { Form_KeyPress(character); });
    }
}

void Window::requestClose() {
    if (loaded_ && takesInput_ && !app_.ended()) {
        unload();
    }
}

void Window::registerControl(Control& control) {
    control.owner_ = this;
    controls_.push_back(&control);
}

void Window::create(Label& label, std::string_view name, const LabelLayout& layout, int index,
                    PictureBox* container) {
    label.create(name, index, layout, container, services().measure);
    registerControl(label);
}

void Window::create(Image& image, std::string_view name, const ImageLayout& layout, int index,
                    PictureBox* container) {
    image.Control::create(name, index, layout.rect, layout.visible, container);
    image.picture_ = layout.picture ? services().pictures.design(*layout.picture) : Picture{};
    registerControl(image);
}

void Window::create(Line& line, std::string_view name, const LineLayout& layout, int index,
                    PictureBox* container) {
    const Rect bounds{std::min(layout.x1, layout.x2), std::min(layout.y1, layout.y2),
                      std::abs(layout.x2 - layout.x1), std::abs(layout.y2 - layout.y1)};
    line.Control::create(name, index, bounds, layout.visible, container);
    line.layout_ = layout;
    registerControl(line);
}

void Window::create(PictureBox& box, std::string_view name, const PictureBoxLayout& layout,
                    PictureBox* container) {
    box.Control::create(name, -1, layout.rect, layout.visible, container);
    box.back_ = layout.back;
    registerControl(box);
}

void Window::create(ListBox& list, std::string_view name, Rect rect, std::vector<std::string> items,
                    PictureBox* container) {
    list.Control::create(name, -1, rect, false, container);
    list.items_ = std::move(items);
    registerControl(list);
}

void Window::create(TextBox& text, std::string_view name, Rect rect, std::string_view initial,
                    bool visible) {
    text.Control::create(name, -1, rect, visible, nullptr);
    text.text_ = initial;
    registerControl(text);
}

void Window::create(Timer& timer, std::string_view name, const TimerLayout& layout,
                    std::function<void()> onTick) {
    timer.setHandler(std::move(onTick));
    timer.create(*this, name, layout);
    timers_.push_back(&timer);
}

}  // namespace ui
