#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "ui/services.h"

namespace quirvanto {

struct SdlLibrary;

// How the sound server's mixer lists the game: its name and the icon theme's id of its icon.
// Empty fields leave the server's defaults.
struct SoundServerListing {
    std::string name;
    std::string iconName;
};

// Plays <program folder>/Snd/<name>.wav through SDL's audio device, one sound at a time, so a
// new sound cuts off the one playing. Each play reads its file anew (about a millisecond for the
// longest sound, from the page cache; `make bench` measures it) into 16-bit mono samples at
// 44.1 kHz, the format the game's files have and the device is opened with; SDL converts on the
// way out to whatever the sound card or server takes. Only the sound playing is held, and none
// while the device sleeps.
// Getting ready (loading SDL, opening the device) runs on a thread of its own from
// startLoading(), so that it does not hold back the first window; a play() or hasDevice() that
// comes before it is done waits for it, and starts it if nothing has. Without an audio device
// every call is silently nothing; a missing or broken file plays silence, which cuts off the
// sound that is playing like any other sound.
//
// Once no sound has played for `silenceBeforeSleep`, the device is closed, so that neither SDL's
// audio thread nor the sound server works while the game is quiet; the next sound opens it again
// and is heard whole. Opening it again costs that sound a late start (55 to 95 ms measured on a
// PulseAudio null sink), so the device sleeps only after a silence longer than any in the game's
// own play: its background loops and meters sound again within 5 seconds.
//
// Only a regular file of at most 4 MB is read, only a wave file is decoded, and none whose sound
// would pass 32 MB in the device's format, weighed from its header before it is decoded: a file
// beyond any of these is unplayable, so no file in the folder can hang the game or flood its
// memory. All calls come from one thread.
class SdlSoundPlayer final : public ui::SoundPlayer {
public:
    static constexpr std::chrono::milliseconds kSilenceBeforeSleep{10000};

    explicit SdlSoundPlayer(std::string programFolder, SoundServerListing listing = {},
                            std::chrono::milliseconds silenceBeforeSleep = kSilenceBeforeSleep);
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void startLoading();
    void play(std::string_view name) override;

    // Whether an audio device was found.
    [[nodiscard]] bool hasDevice();
    // Whether the device is open now: from a sound until it has been silent for a while.
    [[nodiscard]] bool deviceOpen();
    // Whether samples of a sound are still to be handed to the device.
    [[nodiscard]] bool soundPlaying();

private:
    using Clock = std::chrono::steady_clock;
    // One sound in the device's format: the samples as SDL read them from the file, or as it
    // converted them.
    struct Sound {
        std::unique_ptr<std::uint8_t, void (*)(std::uint8_t*)> read{nullptr, nullptr};
        std::vector<std::uint8_t> converted;
        const std::int16_t* samples = nullptr;
        std::size_t count = 0;
    };
    struct Playing {
        const Sound* sound = nullptr;
        std::size_t next = 0;
    };

    // SDL's audio thread asks for the next samples here.
    static void fill(void* player, std::uint8_t* out, int bytes);

    // Runs on the loading thread.
    void load();
    void waitUntilReady();
    // The sound of a file, or null when it cannot be played.
    [[nodiscard]] std::unique_ptr<const Sound> decode(const std::string& path) const;
    // Both with deviceMutex_ held.
    [[nodiscard]] bool openDevice();
    void closeDevice();
    // Runs on a thread of its own: closes the device once it has been silent long enough.
    void closeDeviceWhenSilent();

    std::string soundFolder_;
    SoundServerListing listing_;
    std::chrono::milliseconds silenceBeforeSleep_;
    std::future<void> loading_;
    bool ready_ = false;
    const SdlLibrary* sdl_ = nullptr;
    bool hasDevice_ = false;

    std::mutex deviceMutex_;
    std::condition_variable deviceChanged_;
    std::uint32_t device_ = 0;
    Clock::time_point silentFrom_;
    bool closing_ = false;
    // The sound playing, or the last one played until the device sleeps.
    std::unique_ptr<const Sound> current_;
    // Read and written by SDL's audio thread; elsewhere only under SDL's device lock, or while
    // the device is closed.
    Playing playing_;
    std::thread sleeper_;
};

}  // namespace quirvanto
