// Measures the start-up a player sees: from starting a program to its first frame on the
// screen, for the game and for a bare Qt window of the same size, taking turns on the same
// display, with a sound server running and without one.
//   quirvanto_startup_bench <game> <bare window> [runs]
// The first frame is the first moment a row of the new window's pixels on the screen differs
// from what the screen showed there before the program started.
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench_processes.h"

namespace {

using bench::environmentWith;
using bench::median;
using bench::spawn;
using bench::stop;
using Clock = std::chrono::steady_clock;
constexpr auto kLongestStart = std::chrono::seconds(15);
constexpr int kDefaultRuns = 21;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

class Screen {
public:
    Screen() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_) != 0) {
            return;
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_->root, XCB_CW_EVENT_MASK, &events);
        xcb_flush(connection_);
    }
    ~Screen() { xcb_disconnect(connection_); }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    [[nodiscard]] bool open() const { return root_ != nullptr; }

    // The pixels of rows of the screen, one after the other.
    [[nodiscard]] std::vector<std::uint8_t> rows(int x, int width, const std::vector<int>& ys) {
        std::vector<std::uint8_t> pixels;
        for (const int y : ys) {
            const Reply<xcb_get_image_reply_t> image(
                xcb_get_image_reply(
                    connection_,
                    xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_->root,
                                  static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                                  static_cast<std::uint16_t>(width), 1, ~0u),
                    nullptr),
                &std::free);
            if (image) {
                const std::uint8_t* data = xcb_get_image_data(image.get());
                pixels.insert(pixels.end(), data, data + xcb_get_image_data_length(image.get()));
            }
        }
        return pixels;
    }

    [[nodiscard]] std::vector<std::uint8_t> whole() {
        std::vector<int> ys(root_->height_in_pixels);
        for (int y = 0; y < root_->height_in_pixels; ++y) {
            ys[static_cast<std::size_t>(y)] = y;
        }
        return rows(0, root_->width_in_pixels, ys);
    }

    [[nodiscard]] int width() const { return root_->width_in_pixels; }

    // The next top-level window mapped, as x, y, width, height on the screen.
    [[nodiscard]] std::optional<std::array<int, 4>> nextMapped(Clock::time_point deadline) {
        while (Clock::now() < deadline) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (event == nullptr) {
                std::this_thread::sleep_for(std::chrono::microseconds(200));
                continue;
            }
            const Reply<xcb_generic_event_t> owned(event, &std::free);
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) {
                continue;
            }
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (map->override_redirect != 0) {
                continue;
            }
            const Reply<xcb_get_geometry_reply_t> geometry(
                xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, map->window),
                                       nullptr),
                &std::free);
            if (geometry) {
                return std::array<int, 4>{geometry->x, geometry->y, geometry->width,
                                          geometry->height};
            }
        }
        return std::nullopt;
    }

    void drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            std::free(event);
        }
    }

private:
    xcb_connection_t* connection_;
    xcb_screen_t* root_ = nullptr;
};

// Milliseconds from the start of the program to its first frame, or nothing when it showed none.
std::optional<double> firstFrameMs(Screen& screen, const std::string& program,
                                   const std::vector<std::string>& environment) {
    screen.drain();
    const std::vector<std::uint8_t> before = screen.whole();
    const auto start = Clock::now();
    const pid_t pid = spawn({program}, environment);
    if (pid < 0) {
        return std::nullopt;
    }
    std::optional<double> result;
    if (const auto window = screen.nextMapped(start + kLongestStart)) {
        const auto [x, y, width, height] = *window;
        const std::vector<int> ys{y + height / 4, y + height / 2, y + 3 * height / 4};
        std::vector<std::uint8_t> shown;
        for (const int row : ys) {
            const auto from = before.begin() + 4 * (static_cast<long>(row) * screen.width() + x);
            shown.insert(shown.end(), from, from + 4 * width);
        }
        while (Clock::now() < start + kLongestStart) {
            if (screen.rows(x, width, ys) != shown) {
                result = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                break;
            }
        }
    }
    stop(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: quirvanto_startup_bench <game> <bare window> [runs]\n");
        return 2;
    }
    const std::string game = argv[1];
    const std::string bare = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : kDefaultRuns;
    Screen screen;
    if (!screen.open()) {
        std::fprintf(stderr, "quirvanto_startup_bench: no display\n");
        return 1;
    }
    const auto folder =
        std::filesystem::temp_directory_path() / ("quirvanto-startup-" + std::to_string(getpid()));
    bench::SoundServer server(folder / "pulse");
    std::printf("Quirvanto start-up to the first frame, medians of %d runs (goal: within 1.5x)\n",
                runs);
    const struct {
        const char* name;
        std::string pulse;
    } conditions[] = {{"with a sound server", server.address()},
                      {"without a sound server", "unix:" + (folder / "none").string()}};
    int status = 0;
    for (const auto& condition : conditions) {
        if (condition.pulse.empty() || condition.pulse == "unix:") {
            std::printf("  %s: the server did not start\n", condition.name);
            status = 1;
            continue;
        }
        const auto environment = environmentWith(
            {"PULSE_SERVER=" + condition.pulse, "SDL_AUDIODRIVER=", "QT_QPA_PLATFORM=xcb"});
        // The two programs start one right after the other, so a pair meets the same load of the
        // machine; the ratio is the median of the pairs'.
        std::vector<double> gameMs;
        std::vector<double> bareMs;
        std::vector<double> ratios;
        for (int run = 0; run < runs; ++run) {
            const auto bareFrame = firstFrameMs(screen, bare, environment);
            const auto gameFrame = firstFrameMs(screen, game, environment);
            if (bareFrame && gameFrame) {
                bareMs.push_back(*bareFrame);
                gameMs.push_back(*gameFrame);
                ratios.push_back(*gameFrame / *bareFrame);
            }
        }
        if (ratios.empty()) {
            std::printf("  %s: no first frame seen\n", condition.name);
            status = 1;
            continue;
        }
        std::printf("  %s: game %.0f ms, bare window %.0f ms: %.2fx\n", condition.name,
                    median(gameMs), median(bareMs), median(ratios));
    }
    std::filesystem::remove_all(folder);
    return status;
}
