#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "ui/qt/qt_host_factory.h"
#include "ui/qt/qt_text_measure.h"
#include "ui/services.h"
#include "ui/uniform_random.h"
#include "ui/virtual_scheduler.h"
#include "ui/window.h"

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

class RecordingSound final : public ui::SoundPlayer {
public:
    explicit RecordingSound(const ui::VirtualScheduler& clock) : clock_(clock) {}
    void play(std::string_view name) override;
    [[nodiscard]] std::vector<std::string> names() const;
    [[nodiscard]] int count(std::string_view name) const;
    std::vector<PlayedSound> played;

private:
    const ui::VirtualScheduler& clock_;
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
    std::set<std::string> missing;  // names that fail to load
    int loads = 0;
};

// Answers the values a test gives, then a fixed-seed sequence; ignores reseeds but counts them.
class ScriptedRandom final : public ui::Random {
public:
    [[nodiscard]] double next() override;
    void reseed(double) override { ++reseeds; }
    // Queues a value whose draw n gives k: Int(value x n) = k.
    void pushDraw(int k, int n);
    // Queues the draws of a whole roll that leaves `grid` on the tiles and `letters` in Num: each
    // tick draws a tile, a value and a number; tick i sets tile i mod 9 to its final value.
    void pushRoll(const std::array<int, 9>& grid, int letters, int ticks = 241);
    void push(double value) { queue.push_back(value); }
    std::deque<double> queue;
    int reseeds = 0;

private:
    ui::UniformRandom fallback_{12345};
};

class FixedClock final : public ui::Clock {
public:
    [[nodiscard]] double secondsSinceMidnight() override { return 43200.0; }
};

// 120 twips a character per 10 points: a plain stand-in for the font's metrics.
class FixedMeasure final : public ui::TextMeasure {
public:
    [[nodiscard]] ui::Twips width(std::string_view text, double points) override;
};

class NullHosts final : public ui::HostFactory {
public:
    [[nodiscard]] std::unique_ptr<ui::WindowHost> create(ui::Window& window) override;
};

class CountingTerminator final : public ui::Terminator {
public:
    void quit() override { ++quits; }
    int quits = 0;
};

// Asks for a Rig whose windows are real Qt widgets (on the test's platform), time still virtual.
struct OnScreen {};
inline constexpr OnScreen kOnScreen{};

// The real sound player and picture loader, for a Rig that plays with the files of a folder.
struct RealMedia {
    ui::SoundPlayer& sound;
    ui::PictureSource& pictures;
};

// The whole program on virtual time with recording services and no screen.
struct Rig {
    Rig();
    explicit Rig(OnScreen);
    explicit Rig(RealMedia media);
    void advance(std::int64_t ms) { scheduler.advance(ms); }
    [[nodiscard]] std::int64_t now() const { return scheduler.now(); }
    // The top-level widget of a window of an on-screen Rig once the window has been loaded.
    [[nodiscard]] QWidget* widgetOf(const ui::Window& window) const;

    ui::VirtualScheduler scheduler;
    RecordingMessages messages;
    RecordingSound sound{scheduler};
    FakePictures pictures;
    ScriptedRandom random;
    FixedClock clock;
    FixedMeasure measure;
    NullHosts hosts;
    CountingTerminator terminator;
    std::unique_ptr<ui::qt::QtTextMeasure> screenMeasure;  // on-screen Rig only
    std::unique_ptr<ui::qt::QtHostFactory> screenHosts;    // on-screen Rig only
    ui::Services services;
    quirvanto::Program program;
};

}  // namespace testing_support
