#pragma once

#include <cstddef>
#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ui/services.h"

struct Mix_Chunk;

namespace quirvanto {

struct SdlMixerLibrary;

// Plays <program folder>/Snd/<name>.wav through SDL2_mixer on one mixing channel, so a new
// sound cuts off the one playing. Getting ready (loading the sound library, opening the audio
// device, decoding every sound in the folder) runs on a thread of its own from startLoading(),
// so that it does not hold back the first window; a play() or hasDevice() that comes before it
// is done waits for it, and starts it if nothing has. A file that was not in the folder then is
// decoded on its first play and kept. Without an audio device every call is silently nothing; a
// missing or broken file plays silence, which cuts off the sound that is playing like any other
// sound. Only a regular file of at most 4 MB is read, only a wave file is decoded, and the
// decoded sounds kept never pass 32 MB in all, a file's converted size being weighed from its
// header before it is decoded: a file beyond any of these is unplayable, so no file in the
// folder can hang the game or flood its memory. All calls come from one thread.
class SdlSoundPlayer final : public ui::SoundPlayer {
public:
    explicit SdlSoundPlayer(std::string programFolder);
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void startLoading();
    void play(std::string_view name) override;

    // Whether an audio device was opened.
    [[nodiscard]] bool hasDevice();

private:
    struct ChunkDeleter {
        void (*free)(Mix_Chunk*);
        void operator()(Mix_Chunk* chunk) const { free(chunk); }
    };
    using Chunk = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

    // Runs on the loading thread.
    void load();
    void waitUntilReady();
    // The decoded sound, or null when its file cannot be played; either answer is kept.
    Mix_Chunk* chunk(std::string_view name);

    std::string soundFolder_;
    std::future<void> loading_;
    bool ready_ = false;
    const SdlMixerLibrary* sdl_ = nullptr;
    bool deviceOpen_ = false;
    std::unordered_map<std::string, Chunk> chunks_;
    std::size_t decodedBytes_ = 0;
};

}  // namespace quirvanto
