#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "machine/roll.h"
#include "odds/headless_services.h"
#include "ui/services.h"
#include "ui/uniform_random.h"
#include "ui/virtual_scheduler.h"
#include "ui/window.h"

class QWidget;

namespace testing_support {

// Every message box shown, in order. A test may act while a box is open (onShow runs then),
// for instance let virtual time pass as a player reading the message would.
class RecordingMessages final : public ui::MessageBoxes {
public:
    void show(std::string_view text) override;
    std::vector<std::string> shown;
    std::function<void(const std::string&)> onShow;
};

struct PlayedSound {
    std::string name;
    std::int64_t atMs;
};

class PacedScheduler;

class RecordingSound final : public ui::SoundPlayer {
public:
    explicit RecordingSound(const PacedScheduler& clock) : clock_(clock) {}
    void play(std::string_view name) override;
    [[nodiscard]] std::vector<std::string> names() const;
    [[nodiscard]] int count(std::string_view name) const;
    // The last sound played, or "" before the first.
    [[nodiscard]] std::string last() const { return played.empty() ? "" : played.back().name; }
    std::vector<PlayedSound> played;

private:
    const PacedScheduler& clock_;
};

// Pictures that say what they show: the file name or the design picture.
class TaggedPicture final : public ui::PictureData {
public:
    explicit TaggedPicture(std::string tag) : tag(std::move(tag)) {}
    std::string tag;
};
[[nodiscard]] std::string tagOf(const ui::Picture& picture);

class FakePictures final : public ui::PictureSource {
public:
    [[nodiscard]] ui::Picture file(std::string_view name) override;
    [[nodiscard]] ui::Picture design(ui::DesignPicture which) override;
};

// Pictures the widgets can really draw: every design picture, the pointers too, is a magenta
// square. Picture files are missing.
class DrawnPictures final : public ui::PictureSource {
public:
    [[nodiscard]] ui::Picture file(std::string_view) override { return nullptr; }
    [[nodiscard]] ui::Picture design(ui::DesignPicture) override;
};

// Answers the values a test gives, then a seeded sequence; ignores reseeds but counts them.
class ScriptedRandom final : public ui::Random {
public:
    static constexpr std::uint64_t kSeed = 12345;
    explicit ScriptedRandom(std::uint64_t seed = kSeed) : fallback_(seed) {}
    [[nodiscard]] double next() override;
    void reseed(double) override { ++reseeds; }
    // Queues a value whose draw n gives k: Int(value x n) = k.
    void pushDraw(int k, int n);
    // Queues the draws of a whole roll that leaves `grid` on the tiles and `letters` in Num: each
    // tick draws a tile, a value and a number; tick i sets tile i mod 9 to its final value.
    void pushRoll(const std::array<int, 9>& grid, int letters, int ticks = quirvanto::kRollTicks);
    void push(double value) { queue.push_back(value); }
    std::deque<double> queue;
    int reseeds = 0;

private:
    ui::UniformRandom fallback_;
};

class FixedClock final : public ui::Clock {
public:
    [[nodiscard]] double secondsSinceMidnight() override { return 43200.0; }
};

class CountingTerminator final : public ui::Terminator {
public:
    void quit() override { ++quits; }
    int quits = 0;
};

// The virtual clock, which also reports every timer that ticks faster than the fastest rate.
class PacedScheduler final : public ui::Scheduler {
public:
    [[nodiscard]] std::unique_ptr<ui::TimerSlot> createSlot(std::function<void()> onTick) override;
    void advance(std::int64_t ms) { clock_.advance(ms); }
    [[nodiscard]] std::int64_t now() const { return clock_.now(); }
    std::vector<std::string> faults;

private:
    ui::VirtualScheduler clock_;
};

// The whole program on virtual time with recording services. By default it has no screen; with
// onScreen its windows are real Qt widgets (on the test's platform) that draw design pictures as
// plain squares. A test may bring its own sound player and picture source.
struct Rig {
    struct Options {
        bool onScreen = false;
        ui::SoundPlayer* sound = nullptr;
        ui::PictureSource* pictures = nullptr;
        std::uint64_t seed = ScriptedRandom::kSeed;
    };
    Rig() : Rig(Options{}) {}
    explicit Rig(const Options& options);
    ~Rig();
    void advance(std::int64_t ms) { scheduler.advance(ms); }
    [[nodiscard]] std::int64_t now() const { return scheduler.now(); }
    // The bonus window that is loaded, if any.
    [[nodiscard]] quirvanto::BonusWindow* openBonus();
    // The top-level widget of a window of an on-screen Rig once the window has been loaded.
    [[nodiscard]] QWidget* widgetOf(const ui::Window& window) const;

    PacedScheduler scheduler;
    RecordingMessages messages;
    RecordingSound sound{scheduler};
    FakePictures pictures;
    ScriptedRandom random;
    FixedClock clock;
    CountingTerminator terminator;

private:
    struct Screen;
    std::unique_ptr<Screen> screen_;
    odds::PlainMeasure plainMeasure_;
    odds::ShowNothing noHosts_;

public:
    ui::TextMeasure& measure;
    ui::Services services;
    quirvanto::Program program;
};

}  // namespace testing_support
