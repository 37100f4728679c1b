#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ui/services.h"

struct Mix_Chunk;

namespace quirvanto {

// Plays <program folder>/Snd/<name>.wav through SDL2_mixer on one mixing channel, so a new
// sound cuts off the one playing. A file is decoded on its first play and kept. Without an audio
// device every call is silently nothing; a missing or broken file plays silence, which cuts off the
// sound that is playing like any other sound. Every sound in the folder is decoded when the player
// starts.
class SdlSoundPlayer final : public ui::SoundPlayer {
public:
    explicit SdlSoundPlayer(std::string programFolder);
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void play(std::string_view name) override;

    // Whether an audio device was opened at start-up.
    [[nodiscard]] bool hasDevice() const { return deviceOpen_; }

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    using Chunk = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

    // The decoded sound, or null when its file cannot be played; either answer is kept.
    Mix_Chunk* chunk(std::string_view name);

    std::string soundFolder_;
    bool deviceOpen_ = false;
    std::unordered_map<std::string, Chunk> chunks_;
};

}  // namespace quirvanto
