#include "media/sdl_sound_player.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "media/sdl_mixer_library.h"

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
// for those lines are sent nowhere. That moment comes on the loading thread, some milliseconds
// after the first window is shown; what the rest of the program writes then goes nowhere too.
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

bool openDevice(const SdlMixerLibrary& sdl) {
    const StderrSilenced quiet;
    if (sdl.initSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (sdl.openAudio(kSampleRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames) != 0) {
        sdl.quitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    sdl.allocateChannels(1);
    return true;
}

}  // namespace

SdlSoundPlayer::SdlSoundPlayer(std::string programFolder)
    : soundFolder_(std::move(programFolder) + "/Snd/") {}

SdlSoundPlayer::~SdlSoundPlayer() {
    if (!ready_ && !loading_.valid()) {
        return;
    }
    waitUntilReady();
    if (!deviceOpen_) {
        return;
    }
    sdl_->haltChannel(-1);
    chunks_.clear();
    sdl_->closeAudio();
    sdl_->quitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundPlayer::startLoading() {
    if (!ready_ && !loading_.valid()) {
        loading_ = std::async(std::launch::async, [this] { load(); });
    }
}

void SdlSoundPlayer::load() {
    sdl_ = SdlMixerLibrary::get();
    if (sdl_ == nullptr) {
        return;
    }
    // The game owns the process's signals and windows; SDL is here for the sound device only.
    sdl_->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    deviceOpen_ = openDevice(*sdl_);
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

void SdlSoundPlayer::waitUntilReady() {
    startLoading();
    if (loading_.valid()) {
        loading_.get();
    }
    ready_ = true;
}

bool SdlSoundPlayer::hasDevice() {
    waitUntilReady();
    return deviceOpen_;
}

void SdlSoundPlayer::play(std::string_view name) {
    waitUntilReady();
    if (!deviceOpen_) {
        return;
    }
    // A sound that cannot be played still cuts off the one playing: silence takes its place, so
    // that a bonus game's loop ends with its window even when "None" is missing.
    sdl_->haltChannel(kTheChannel);
    if (Mix_Chunk* sound = chunk(name)) {
        sdl_->playChannelTimed(kTheChannel, sound, 0, -1);
    }
}

Mix_Chunk* SdlSoundPlayer::chunk(std::string_view name) {
    const std::string key(name);
    auto found = chunks_.find(key);
    if (found == chunks_.end()) {
        const std::string path = soundFolder_ + key + ".wav";
        Mix_Chunk* decoded = sdl_->loadWavRw(sdl_->rwFromFile(path.c_str(), "rb"), 1);
        found = chunks_.emplace(key, Chunk(decoded, ChunkDeleter{sdl_->freeChunk})).first;
    }
    return found->second.get();
}

}  // namespace quirvanto
