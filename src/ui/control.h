#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/reading.h"
#include "ui/services.h"
#include "ui/types.h"

// The controls the game code works on. A control exists from its window's load to its unload;
// while it does not exist, writes to it are ignored and reads give its neutral values.
namespace ui {

class Window;
class PictureBox;

// Told about every change of a control; the Qt side implements it to follow the model.
class ControlView {
public:
    virtual ~ControlView() = default;
    virtual void controlChanged() = 0;
};

enum class ControlKind { Label, Image, Line, PictureBox, ListBox, TextBox };

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    [[nodiscard]] ControlKind kind() const { return kind_; }
    [[nodiscard]] const std::string& name() const { return name_; }
    // Index within its control array, or -1 for a single control.
    [[nodiscard]] int index() const { return index_; }
    [[nodiscard]] bool exists() const { return exists_; }
    [[nodiscard]] PictureBox* container() const { return container_; }
    [[nodiscard]] Window* owner() const { return owner_; }

    // The control's own visible flag: a control inside a hidden container can still be visible.
    [[nodiscard]] bool visible() const { return exists_ && visible_; }
    void setVisible(bool visible);
    // Visible itself and in every container around it: what a player can see.
    [[nodiscard]] bool shownOnWindow() const;

    [[nodiscard]] Twips left() const { return exists_ ? rect_.left : 0; }
    [[nodiscard]] Twips top() const { return exists_ ? rect_.top : 0; }
    [[nodiscard]] Twips width() const { return exists_ ? rect_.width : 0; }
    [[nodiscard]] Twips height() const { return exists_ ? rect_.height : 0; }
    [[nodiscard]] Rect rect() const { return exists_ ? rect_ : Rect{}; }
    void setLeft(Twips left);
    void setTop(Twips top);
    void move(Twips left, Twips top);

    void setView(ControlView* view) { view_ = view; }

    [[nodiscard]] const Reading& reading() const { return reading_; }
    void setReading(Reading reading) { reading_ = std::move(reading); }

protected:
    explicit Control(ControlKind kind) : kind_(kind) {}

    // Called by Window when it creates the control from its layout.
    void create(std::string_view name, int index, Rect rect, bool visible, PictureBox* container);
    void destroy();
    void setRectQuietly(Rect rect) { rect_ = rect; }
    void changed();

    template <typename T>
    void assign(T& field, const T& value) {
        if (exists_ && !(field == value)) {
            field = value;
            changed();
        }
    }

private:
    friend class Window;

    ControlKind kind_;
    std::string name_;
    int index_ = -1;
    bool exists_ = false;
    bool visible_ = false;
    Rect rect_;
    PictureBox* container_ = nullptr;
    Window* owner_ = nullptr;
    ControlView* view_ = nullptr;
    Reading reading_;
};

struct LabelLayout {
    std::string_view caption;
    Rect rect;
    std::optional<Colour> back;  // nothing: transparent
    Colour fore = kBlack;
    double points = 8.25;
    Align align = Align::Left;
    bool visible = true;
    std::string_view toolTip;
    bool clickable = false;       // shows the shared pointer, takes clicks
    bool sizesToCaption = false;  // keeps its left edge and takes the width of its caption...
    std::optional<Twips> endsBy;  // ...but one that would reach past endsBy ends there instead
};

class Label final : public Control {
public:
    Label() : Control(ControlKind::Label) {}

    [[nodiscard]] const std::string& caption() const;
    void setCaption(std::string_view caption);
    [[nodiscard]] Colour foreColour() const { return exists() ? fore_ : kBlack; }
    void setForeColour(Colour colour) { assign(fore_, colour); }
    [[nodiscard]] std::optional<Colour> backColour() const { return back_; }
    [[nodiscard]] double points() const { return points_; }
    [[nodiscard]] Align align() const { return align_; }
    [[nodiscard]] const std::string& toolTip() const { return toolTip_; }
    [[nodiscard]] bool clickable() const { return clickable_; }
    [[nodiscard]] bool sizesToCaption() const { return sizesToCaption_; }

    // Runs the click handler, as a click on the label does: only while a click can reach it.
    void click();
    void setClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }

private:
    friend class Window;
    void create(std::string_view name, int index, const LabelLayout& layout, PictureBox* container,
                TextMeasure& measure);
    void fitToCaption();

    std::string caption_;
    Colour fore_ = kBlack;
    std::optional<Colour> back_;
    double points_ = 8.25;
    Align align_ = Align::Left;
    std::string toolTip_;
    bool clickable_ = false;
    bool sizesToCaption_ = false;
    Twips layoutLeft_ = 0;
    std::optional<Twips> endsBy_;
    TextMeasure* measure_ = nullptr;
    std::function<void()> onClick_;
};

struct ImageLayout {
    Rect rect;
    std::optional<DesignPicture> picture;
    bool visible = true;
};

class Image final : public Control {
public:
    Image() : Control(ControlKind::Image) {}
    [[nodiscard]] const Picture& picture() const { return picture_; }
    // A null picture is a picture that could not be loaded: the image keeps the one it shows.
    void setPicture(const Picture& picture);

private:
    friend class Window;
    Picture picture_;
};

struct LineLayout {
    Twips x1 = 0;
    Twips y1 = 0;
    Twips x2 = 0;
    Twips y2 = 0;
    Colour colour = kBlack;
    int widthPixels = 1;
    bool visible = true;
};

class Line final : public Control {
public:
    Line() : Control(ControlKind::Line) {}
    [[nodiscard]] const LineLayout& layout() const { return layout_; }

private:
    friend class Window;
    LineLayout layout_;
};

struct PictureBoxLayout {
    Rect rect;
    Colour back = kBlack;
    bool visible = true;
};

class PictureBox final : public Control {
public:
    PictureBox() : Control(ControlKind::PictureBox) {}
    [[nodiscard]] Colour backColour() const { return back_; }

private:
    friend class Window;
    Colour back_ = kBlack;
};

class ListBox final : public Control {
public:
    ListBox() : Control(ControlKind::ListBox) {}
    [[nodiscard]] const std::vector<std::string>& items() const;

private:
    friend class Window;
    std::vector<std::string> items_;
};

class TextBox final : public Control {
public:
    TextBox() : Control(ControlKind::TextBox) {}
    [[nodiscard]] const std::string& text() const;
    void setText(std::string_view text);

private:
    friend class Window;
    std::string text_;
};

}  // namespace ui
