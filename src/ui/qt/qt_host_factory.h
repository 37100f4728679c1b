#pragma once

#include <unordered_map>

#include "ui/qt/qt_pointers.h"
#include "ui/services.h"

class QWidget;

namespace ui::qt {

class GameWindow;

// Builds the on-screen side of every game window (a QtWindowHost each) and keeps what they
// share: which top-level widget shows which window, and the pointers.
class QtHostFactory final : public HostFactory {
public:
    QtHostFactory();
    QtHostFactory(const QtHostFactory&) = delete;
    QtHostFactory& operator=(const QtHostFactory&) = delete;
    ~QtHostFactory() override;

    [[nodiscard]] std::unique_ptr<WindowHost> create(Window& window) override;

    // The top-level widget of a window once it has been loaded, else null.
    [[nodiscard]] QWidget* widgetOf(const Window& window) const;

    // Told by the hosts.
    void windowLoaded(const Window& window, GameWindow& widget);
    void windowGone(const Window& window);
    [[nodiscard]] GamePointers& pointers() { return pointers_; }

private:
    std::unordered_map<const Window*, GameWindow*> windows_;
    GamePointers pointers_;
};

}  // namespace ui::qt
