#pragma once

#include <cstdint>
#include <memory>

#include "ui/services.h"
#include "ui/uniform_random.h"
#include "ui/virtual_scheduler.h"

// The outside services of a game that runs with no display and no sound, on the virtual clock:
// every message box is closed at once, sounds are silence, pictures are missing (the tiles keep
// their values), windows have hosts that show nothing, and the generator starts from a seed.
namespace odds {

// The time of day moves with the virtual clock, from noon on, so the game's reseeds mix in a
// time that goes on as it would on a real clock.
class VirtualTimeOfDay final : public ui::Clock {
public:
    explicit VirtualTimeOfDay(const ui::VirtualScheduler& scheduler) : scheduler_(scheduler) {}
    [[nodiscard]] double secondsSinceMidnight() override;

private:
    const ui::VirtualScheduler& scheduler_;
};

// Every message box is closed the moment it opens, as by a player who does not read.
class ClosedAtOnce final : public ui::MessageBoxes {
public:
    void show(std::string_view) override {}
};

class Silence final : public ui::SoundPlayer {
public:
    void play(std::string_view) override {}
};

class NoPictures final : public ui::PictureSource {
public:
    [[nodiscard]] ui::Picture file(std::string_view) override { return nullptr; }
    [[nodiscard]] ui::Picture design(ui::DesignPicture) override { return nullptr; }
};

// A caption is 120 twips a character per 10 points: only labels that size to their caption
// use it, and no rule reads their width.
class PlainMeasure final : public ui::TextMeasure {
public:
    [[nodiscard]] ui::Twips width(std::string_view text, double points) override;
};

class ShowNothing final : public ui::HostFactory {
public:
    [[nodiscard]] std::unique_ptr<ui::WindowHost> create(ui::Window& window) override;
};

class NoEventLoop final : public ui::Terminator {
public:
    void quit() override {}
};

struct HeadlessServices {
    explicit HeadlessServices(std::uint64_t seed);
    HeadlessServices(const HeadlessServices&) = delete;
    HeadlessServices& operator=(const HeadlessServices&) = delete;

    ui::VirtualScheduler scheduler;
    ClosedAtOnce messages;
    Silence sound;
    NoPictures pictures;
    ui::UniformRandom random;
    VirtualTimeOfDay clock{scheduler};
    PlainMeasure measure;
    ShowNothing hosts;
    NoEventLoop terminator;
    ui::Services services;
};

}  // namespace odds
