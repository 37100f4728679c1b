#include "ui/application.h"

#include <algorithm>

#include "ui/window.h"

namespace ui {

void Application::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    for (Window* window : windows_) {
        window->destroyEverything();
    }
    services_.terminator.quit();
}

void Application::message(std::string_view text) {
    services_.messages.show(text);
}

double Application::rnd() {
    return services_.random.next();
}

void Application::randomize() {
    services_.random.reseed(services_.clock.secondsSinceMidnight());
}

// rnd() x n is never negative, so cutting off the fraction is its whole part.
int Application::draw(int n) {
    return std::min(n - 1, static_cast<int>(rnd() * n));
}

void Application::remove(Window& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
}

}  // namespace ui
