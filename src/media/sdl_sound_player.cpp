#include "media/sdl_sound_player.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "media/asset_file.h"
#include "media/sdl_mixer_library.h"
#include "media/wav_format.h"

namespace quirvanto {

namespace {

// Every sound plays on this one channel: starting a sound stops the one before it.
constexpr int kTheChannel = 0;
constexpr int kSampleRate = 44100;
constexpr int kOutputChannels = 2;
// About 12 ms of audio per buffer, so even an 80 ms sound is heard whole and starts at once.
constexpr int kBufferFrames = 512;
// The longest sound of the game is under 0.5 MB. A file beyond this is not a game sound and is
// not decoded at all; the kept sounds together never hold more than the budget.
constexpr std::int64_t kMaxSoundFileBytes = 4 << 20;
constexpr std::size_t kDecodedSoundBudget = 32 << 20;

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

// The sound of a file decoded for the open device, or null when it cannot be played. A file
// whose sound would pass `room` once converted is not decoded at all: the decoder's working
// buffers would be several times that size.
Mix_Chunk* decode(const SdlMixerLibrary& sdl, const std::string& path, std::size_t room) {
    auto file = AssetFile::open(path, kMaxSoundFileBytes);
    if (!file) {
        return nullptr;
    }
    const auto bytes = file->readAll();
    if (!bytes) {
        return nullptr;
    }
    const auto converted = convertedWaveBytes(*bytes, kSampleRate, kOutputChannels);
    if (!converted || *converted > static_cast<double>(room)) {
        return nullptr;
    }
    return sdl.loadWavRw(sdl.rwFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1);
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
        Chunk sound(decode(*sdl_, soundFolder_ + key + ".wav", kDecodedSoundBudget - decodedBytes_),
                    ChunkDeleter{sdl_->freeChunk});
        if (sound && sound->alen > kDecodedSoundBudget - decodedBytes_) {
            sound.reset();
        }
        decodedBytes_ += sound ? sound->alen : 0;
        found = chunks_.emplace(key, std::move(sound)).first;
    }
    return found->second.get();
}

}  // namespace quirvanto
