#pragma once

#include <QCursor>
#include <optional>
#include <unordered_map>

#include "ui/services.h"

class QWidget;

namespace ui::qt {

class GameWindow;

// Builds the on-screen side of every game window: a top-level GameWindow per model window,
// one child widget per control.
class QtHostFactory final : public HostFactory {
public:
    QtHostFactory();
    QtHostFactory(const QtHostFactory&) = delete;
    QtHostFactory& operator=(const QtHostFactory&) = delete;
    ~QtHostFactory() override;

    [[nodiscard]] std::unique_ptr<WindowHost> create(Window& window) override;

    // The top-level widget of a window once it has been loaded, else null.
    [[nodiscard]] QWidget* widgetOf(const Window& window) const;

private:
    friend class QtWindowHost;
    // The pointer shared by every clickable label, made once.
    const QCursor& clickCursor(PictureSource& pictures);

    std::unordered_map<const Window*, GameWindow*> windows_;
    std::optional<QCursor> clickCursor_;
};

}  // namespace ui::qt
