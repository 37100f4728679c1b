#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/services.h"
#include "ui/timer.h"
#include "ui/types.h"

namespace ui {

class Application;

struct WindowLayout {
    std::string_view caption;
    Size outer;  // frame and caption bar included, as the layouts give it
    Size inner;  // the client area, which the screen window is fixed to
    Colour back = kBlack;
    Pointer pointer = Pointer::Default;
    std::optional<DesignPicture> icon;
};

// The on-screen side of a window (Qt in the program, nothing in headless tests).
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // The controls have just been created from the layout, before Form_Load runs.
    virtual void controlsCreated() = 0;
    virtual void shown() = 0;
    // The window has unloaded: its controls are gone.
    virtual void destroyed() = 0;
    virtual void focusRequested() = 0;
};

// The base of every window of the game. Loading creates the controls from the window's layout;
// unloading destroys them. The window object itself, and so every variable of the window, lives
// as long as the program: only Form_Load resets what it sets.
class Window {
public:
    Window(Application& app, WindowLayout layout, std::string_view name);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    [[nodiscard]] const std::string& name() const { return name_; }
    [[nodiscard]] const WindowLayout& layout() const { return layout_; }
    [[nodiscard]] bool loaded() const { return loaded_; }
    [[nodiscard]] bool isShown() const { return loaded_ && shown_; }
    // Controls in z-order, back to front, as the layout creates them.
    [[nodiscard]] const std::vector<Control*>& controls() const { return controls_; }

    // What a click at this point of the client area reaches: the frontmost shown control there,
    // looked up through the picture boxes as they are stacked. Lines let clicks through; null
    // where only the window lies. The mouse and a screen reader's press both go by it.
    [[nodiscard]] Control* controlAt(Twips x, Twips y) const;
    // Whether a click can reach the control anywhere: it is shown, and not wholly covered by
    // the controls in front of it, nor cut away by the window's or its containers' edges.
    [[nodiscard]] bool reachable(const Control& control) const;

    // The window this one is owned by and modal to (the machine for a bonus window).
    [[nodiscard]] Window* owner() const { return owner_; }
    void setOwner(Window* owner) { owner_ = owner; }

    void load();
    void show();
    void unload();

    // Whether the window takes clicks and keys; off on the machine while a bonus window is open.
    [[nodiscard]] bool takesInput() const { return takesInput_; }
    void setTakesInput(bool takesInput);
    void takeFocus();

    // Input from the player. Each is ignored while the window is unloaded, takes no input, or
    // the program has ended. Every auto-repeat of a key is one more keyDown.
    void keyDown(int keyCode);
    void keyPress(int character);
    // The close box: refused while the window takes no input.
    void requestClose();

    [[nodiscard]] Application& app() { return app_; }
    [[nodiscard]] Services& services();

    // Runs a handler of this window unless the program has ended.
    template <typename Handler>
    void run(Handler&& handler);

protected:
    // Creates every control from the layout, back to front.
    virtual void createControls() = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_KeyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyPress(int /*keyAscii*/) {}

    void create(Label& label, std::string_view name, const LabelLayout& layout, int index = -1,
                PictureBox* container = nullptr);
    void create(Image& image, std::string_view name, const ImageLayout& layout, int index = -1,
                PictureBox* container = nullptr);
    void create(Line& line, std::string_view name, const LineLayout& layout, int index = -1,
                PictureBox* container = nullptr);
    void create(PictureBox& box, std::string_view name, const PictureBoxLayout& layout,
                PictureBox* container = nullptr);
    void create(ListBox& list, std::string_view name, Rect rect, std::vector<std::string> items,
                PictureBox* container = nullptr);
    void create(TextBox& text, std::string_view name, Rect rect, std::string_view initial,
                bool visible);
    void create(Timer& timer, std::string_view name, const TimerLayout& layout,
                std::function<void()> onTick);

private:
    friend class Application;
    void registerControl(Control& control);
    void destroyEverything();
    WindowHost* host();

    Application& app_;
    WindowLayout layout_;
    std::string name_;
    Window* owner_ = nullptr;
    bool loaded_ = false;
    bool shown_ = false;
    bool takesInput_ = true;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    std::unique_ptr<WindowHost> host_;
};

}  // namespace ui

#include "ui/application.h"

namespace ui {

template <typename Handler>
void Window::run(Handler&& handler) {
    if (!app_.ended()) {
        handler();
    }
}

}  // namespace ui
