#pragma once

#include <string_view>
#include <vector>

#include "ui/services.h"

namespace ui {

class Window;

// The program as the ui layer sees it: the outside services and every window. The game's own
// program object derives from it and owns one instance of each window.
class Application {
public:
    explicit Application(Services& services) : services_(services) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    virtual ~Application() = default;

    [[nodiscard]] Services& services() { return services_; }

    // Ends the program at once: every window closes and no further handler of any window runs.
    void end();
    [[nodiscard]] bool ended() const { return ended_; }

    // Shows a modal message box and returns once the player has closed it.
    void message(std::string_view text);
    // The next uniform value in [0, 1) of the program's one generator.
    [[nodiscard]] double rnd();
    // Mixes the time of day into the generator.
    void randomize();
    // The whole part of (rnd() x n): 0 to n - 1.
    [[nodiscard]] int draw(int n);

    [[nodiscard]] const std::vector<Window*>& windows() const { return windows_; }

private:
    friend class Window;
    void add(Window& window) { windows_.push_back(&window); }
    void remove(Window& window);

    Services& services_;
    std::vector<Window*> windows_;
    bool ended_ = false;
};

}  // namespace ui
