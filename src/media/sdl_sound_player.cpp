#include "media/sdl_sound_player.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include "media/asset_file.h"
#include "media/sdl_library.h"
#include "media/wav_format.h"

namespace quirvanto {

namespace {

// The format of the game's sound files, which is also the one the device is opened with.
constexpr int kSampleRate = 44100;
constexpr SDL_AudioFormat kSampleFormat = AUDIO_S16SYS;
constexpr int kChannels = 1;
// What a sound server's mixer shows of the game's one stream.
constexpr const char* kStreamName = "Game sounds";
constexpr const char* kStreamRole = "game";
// About 12 ms of audio per buffer, so even an 80 ms sound is heard whole and starts at once.
constexpr int kBufferFrames = 512;
// The longest sound of the game is under 0.5 MB. A file beyond this is not a game sound and is
// not decoded at all, nor is one that would pass the second bound once converted.
constexpr std::int64_t kMaxSoundFileBytes = 4 << 20;
constexpr std::size_t kSoundBytesAtMost = 32 << 20;

// alsa-lib writes its configuration errors straight to stderr on a machine without a sound
// card. Without a device the game is silent by design, so while the device is being looked
// for those lines are sent nowhere. What the rest of the program writes in those few
// milliseconds goes nowhere too.
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

}  // namespace

// The sound of a file in the device's format, or null when it cannot be played. A file whose
// samples would pass kSoundBytesAtMost is not decoded at all: the decoder's working buffers would
// be several times that size. The file's bytes go as soon as SDL has read them, and the samples SDL
// read are played as they are where they are already in the device's format, as the game's are.
std::unique_ptr<const SdlSoundPlayer::Sound> SdlSoundPlayer::decode(const std::string& path) const {
    auto file = AssetFile::open(path, kMaxSoundFileBytes);
    if (!file) {
        return nullptr;
    }
    auto bytes = file->readAll();
    if (!bytes) {
        return nullptr;
    }
    const auto weight = convertedWaveBytes(*bytes, kSampleRate, kChannels);
    if (!weight || *weight > static_cast<double>(kSoundBytesAtMost)) {
        return nullptr;
    }
    SDL_AudioSpec fileFormat{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    const bool read =
        sdl_->loadWavRw(sdl_->rwFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1,
                        &fileFormat, &samples, &length) != nullptr;
    bytes.reset();
    if (!read) {
        return nullptr;
    }
    auto sound = std::make_unique<Sound>();
    sound->read = {samples, sdl_->freeWav};
    SDL_AudioCVT conversion{};
    const int needed = sdl_->buildAudioCvt(&conversion, fileFormat.format, fileFormat.channels,
                                           fileFormat.freq, kSampleFormat, kChannels, kSampleRate);
    if (needed == 0) {
        sound->samples = reinterpret_cast<const std::int16_t*>(samples);
        sound->count = length / sizeof(std::int16_t);
    } else if (needed > 0) {
        sound->converted.resize(static_cast<std::size_t>(length) *
                                static_cast<std::size_t>(conversion.len_mult));
        std::memcpy(sound->converted.data(), samples, length);
        sound->read.reset();
        conversion.buf = sound->converted.data();
        conversion.len = static_cast<int>(length);
        if (sdl_->convertAudio(&conversion) == 0) {
            sound->converted.resize(static_cast<std::size_t>(conversion.len_cvt));
            sound->samples = reinterpret_cast<const std::int16_t*>(sound->converted.data());
            sound->count = sound->converted.size() / sizeof(std::int16_t);
        }
    }
    if (sound->count == 0) {
        return nullptr;
    }
    return sound;
}

namespace {

std::chrono::microseconds lengthOf(std::size_t samples) {
    return std::chrono::microseconds(static_cast<std::int64_t>(samples) * 1'000'000 / kSampleRate);
}

}  // namespace

SdlSoundPlayer::SdlSoundPlayer(std::string programFolder, SoundServerListing listing,
                               std::chrono::milliseconds silenceBeforeSleep)
    : soundFolder_(std::move(programFolder) + "/Snd/"),
      listing_(std::move(listing)),
      silenceBeforeSleep_(silenceBeforeSleep) {
    // SDL names the application and the stream to the sound server, but its PulseAudio driver
    // passes on neither the icon nor the role: PulseAudio's client library takes those from the
    // environment when SDL connects. They are set here, before the loading thread starts, and a
    // value the user has set stays.
    setenv("PULSE_PROP_media.role", kStreamRole, 0);
    if (!listing_.iconName.empty()) {
        setenv("PULSE_PROP_application.icon_name", listing_.iconName.c_str(), 0);
    }
}

SdlSoundPlayer::~SdlSoundPlayer() {
    if (!ready_ && !loading_.valid()) {
        return;
    }
    waitUntilReady();
    if (!hasDevice_) {
        return;
    }
    {
        const std::scoped_lock lock(deviceMutex_);
        closing_ = true;
        closeDevice();
    }
    deviceChanged_.notify_all();
    sleeper_.join();
    sdl_->quitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundPlayer::startLoading() {
    if (!ready_ && !loading_.valid()) {
        loading_ = std::async(std::launch::async, [this] { load(); });
    }
}

void SdlSoundPlayer::load() {
    sdl_ = SdlLibrary::get();
    if (sdl_ == nullptr) {
        return;
    }
    // The game owns the process's signals and windows; SDL is here for the sound device only.
    sdl_->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!listing_.name.empty()) {
        sdl_->setHint(SDL_HINT_APP_NAME, listing_.name.c_str());
    }
    sdl_->setHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, kStreamName);
    sdl_->setHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, kStreamRole);
    {
        const StderrSilenced quiet;
        if (sdl_->initSubSystem(SDL_INIT_AUDIO) != 0) {
            return;
        }
    }
    {
        const std::scoped_lock lock(deviceMutex_);
        hasDevice_ = openDevice();
        silentFrom_ = Clock::now();
    }
    if (!hasDevice_) {
        sdl_->quitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    sleeper_ = std::thread([this] { closeDeviceWhenSilent(); });
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
    return hasDevice_;
}

bool SdlSoundPlayer::deviceOpen() {
    waitUntilReady();
    const std::scoped_lock lock(deviceMutex_);
    return device_ != 0;
}

bool SdlSoundPlayer::soundPlaying() {
    waitUntilReady();
    const std::scoped_lock lock(deviceMutex_);
    if (device_ == 0) {
        return false;
    }
    sdl_->lockAudioDevice(device_);
    const bool playing = playing_.sound != nullptr && playing_.next < playing_.sound->count;
    sdl_->unlockAudioDevice(device_);
    return playing;
}

void SdlSoundPlayer::play(std::string_view name) {
    waitUntilReady();
    if (!hasDevice_) {
        return;
    }
    // The sound playing is cut off before the next one is read, so that no more than one sound is
    // ever held. A sound that cannot be played still cuts it off: silence takes its place, so that
    // a bonus game's loop ends with its window even when "None" is missing.
    std::unique_ptr<const Sound> cutOff;
    {
        const std::scoped_lock lock(deviceMutex_);
        if (device_ != 0) {
            sdl_->lockAudioDevice(device_);
            playing_ = {};
            sdl_->unlockAudioDevice(device_);
            silentFrom_ = Clock::now();
        }
        cutOff.swap(current_);
    }
    cutOff.reset();
    if (auto sound = decode(soundFolder_ + std::string(name) + ".wav")) {
        const std::scoped_lock lock(deviceMutex_);
        if (device_ != 0) {
            sdl_->lockAudioDevice(device_);
            playing_ = {sound.get(), 0};
            sdl_->unlockAudioDevice(device_);
        } else {
            // A sound wakes the sleeping device, in place before its first samples are asked for.
            playing_ = {sound.get(), 0};
            if (!openDevice()) {
                playing_ = {};
                return;
            }
        }
        silentFrom_ = Clock::now() + lengthOf(sound->count);
        current_ = std::move(sound);
    }
    deviceChanged_.notify_all();
}

void SdlSoundPlayer::fill(void* player, std::uint8_t* out, int bytes) {
    Playing& playing = static_cast<SdlSoundPlayer*>(player)->playing_;
    std::size_t written = 0;
    if (playing.sound != nullptr) {
        const std::size_t left = (playing.sound->count - playing.next) * sizeof(std::int16_t);
        written = std::min(left, static_cast<std::size_t>(bytes));
        std::memcpy(out, playing.sound->samples + playing.next, written);
        playing.next += written / sizeof(std::int16_t);
    }
    std::memset(out + written, 0, static_cast<std::size_t>(bytes) - written);
}

bool SdlSoundPlayer::openDevice() {
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = kSampleFormat;
    wanted.channels = kChannels;
    wanted.samples = kBufferFrames;
    wanted.callback = fill;
    wanted.userdata = this;
    const StderrSilenced quiet;
    // SDL converts from this format to the device's own, whatever that is.
    device_ = sdl_->openAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        return false;
    }
    // The device opens paused.
    sdl_->pauseAudioDevice(device_, 0);
    return true;
}

void SdlSoundPlayer::closeDevice() {
    if (device_ != 0) {
        sdl_->closeAudioDevice(device_);
        device_ = 0;
        playing_ = {};
        current_.reset();
    }
}

void SdlSoundPlayer::closeDeviceWhenSilent() {
    std::unique_lock lock(deviceMutex_);
    while (!closing_) {
        const Clock::time_point sleepAt = silentFrom_ + silenceBeforeSleep_;
        if (device_ == 0) {
            deviceChanged_.wait(lock);
        } else if (Clock::now() < sleepAt) {
            deviceChanged_.wait_until(lock, sleepAt);
        } else {
            closeDevice();
        }
    }
}

}  // namespace quirvanto
