#include "media/sdl_sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace quirvanto {

namespace {

// Every sound plays on this one channel: starting a sound stops the one before it.
constexpr int kTheChannel = 0;
constexpr int kSampleRate = 44100;
constexpr int kOutputChannels = 2;
// About 12 ms of audio per buffer, so even an 80 ms sound is heard whole and starts at once.
constexpr int kBufferFrames = 512;

// alsa-lib writes its configuration errors straight to stderr on a machine without a sound
// card. Without a device the game is silent by design, so while the device is being looked
// for those lines are sent nowhere.
class StderrSilenced {
public:
    StderrSilenced() : saved_(dup(STDERR_FILENO)) {
        std::fflush(stderr);
        const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nowhere >= 0) {
            dup2(nowhere, STDERR_FILENO);
            close(nowhere);
        }
    }
    ~StderrSilenced() {
        std::fflush(stderr);
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            close(saved_);
        }
    }
    StderrSilenced(const StderrSilenced&) = delete;
    StderrSilenced& operator=(const StderrSilenced&) = delete;

private:
    int saved_;
};

bool openDevice() {
    const StderrSilenced quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    return true;
}

}  // namespace

void SdlSoundPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}

SdlSoundPlayer::SdlSoundPlayer(std::string programFolder)
    : soundFolder_(std::move(programFolder) + "/Snd/") {
    // The game owns the process's signals and windows; SDL is here for the sound device only.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    deviceOpen_ = openDevice();
    if (!deviceOpen_) {
        return;
    }
    // Every sound is decoded now, so that no sound of the game waits for its file.
    std::error_code noFolder;
    for (const auto& entry : std::filesystem::directory_iterator(soundFolder_, noFolder)) {
        if (entry.path().extension() == ".wav") {
            chunk(entry.path().stem().string());
        }
    }
}

SdlSoundPlayer::~SdlSoundPlayer() {
    if (!deviceOpen_) {
        return;
    }
    Mix_HaltChannel(-1);
    chunks_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundPlayer::play(std::string_view name) {
    if (!deviceOpen_) {
        return;
    }
    // A sound that cannot be played still cuts off the one playing: silence takes its place, so
    // that a bonus game's loop ends with its window even when "None" is missing.
    Mix_HaltChannel(kTheChannel);
    if (Mix_Chunk* sound = chunk(name)) {
        Mix_PlayChannel(kTheChannel, sound, 0);
    }
}

Mix_Chunk* SdlSoundPlayer::chunk(std::string_view name) {
    const std::string key(name);
    auto found = chunks_.find(key);
    if (found == chunks_.end()) {
        const std::string path = soundFolder_ + key + ".wav";
        found = chunks_.emplace(key, Chunk(Mix_LoadWAV(path.c_str()))).first;
    }
    return found->second.get();
}

}  // namespace quirvanto
