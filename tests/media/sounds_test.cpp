#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "media/sdl_sound_player.h"

namespace {

using quirvanto::SdlSoundPlayer;

// A sound made at build time, as it lies beside the program.
struct Sound {
    SDL_AudioSpec audio{};
    std::vector<std::int16_t> samples;

    [[nodiscard]] double milliseconds() const {
        return 1000.0 * static_cast<double>(samples.size()) / audio.channels / audio.freq;
    }
    [[nodiscard]] double peakDbfs() const {
        int peak = 1;
        for (const int sample : samples) {
            peak = std::max(peak, std::abs(sample));
        }
        return 20.0 * std::log10(peak / 32768.0);
    }
};

Sound load(const std::string& name) {
    Sound sound;
    Uint8* buffer = nullptr;
    Uint32 bytes = 0;
    const std::string path = "Snd/" + name + ".wav";
    if (SDL_LoadWAV(path.c_str(), &sound.audio, &buffer, &bytes) == nullptr) {
        ADD_FAILURE() << path << " is not a readable WAV file";
        return sound;
    }
    const auto* first = reinterpret_cast<const std::int16_t*>(buffer);
    sound.samples.assign(first, first + bytes / 2);
    SDL_FreeWAV(buffer);
    return sound;
}

// None only cuts off the sound playing.
TEST(GeneratedSounds, EverySoundIsLoudWithoutClippingOrClicksButTheNearSilentNone) {
    for (const char* name :
         {"Roll1", "Roll2", "Nn", "Bingo", "Bet", "Hold", "Hold2", "Win1", "Meter", "Lose",
          "Letter", "Horse", "Ladder", "Ladder2", "HL", "WL", "BL", "BL2", "Coin2"}) {
        SCOPED_TRACE(name);
        const Sound sound = load(name);
        EXPECT_EQ(sound.audio.format, AUDIO_S16LSB);
        ASSERT_FALSE(sound.samples.empty());
        EXPECT_GT(sound.peakDbfs(), -4.0);
        EXPECT_LT(sound.peakDbfs(), -2.0);
        EXPECT_LT(std::abs(sound.samples.front()), 300);
        EXPECT_LT(std::abs(sound.samples.back()), 300);
    }
    EXPECT_LT(load("None").peakDbfs(), -50.0);
}

// A background sound is started again by its window's timer, and a signal sounds again at the
// next event of its kind (letters light 100 ms apart; the roll lasts 241 ticks of 16 ms): each
// ends before its next start, and a background fills most of its period.
TEST(GeneratedSounds, EachSoundEndsBeforeItsNextStart) {
    const struct {
        const char* name;
        double periodMs;
        double shortestMs;
    } periods[] = {{"Ladder", 5000, 2750}, {"HL", 2000, 1100},        {"WL", 800, 440},
                   {"BL", 900, 495},       {"Horse", 1000, 550},      {"Meter", 1000, 550},
                   {"Letter", 100, 0},     {"Bet", 150, 0},           {"Hold", 150, 0},
                   {"Hold2", 100, 0},      {"Roll1", 241 * 16, 2500}, {"None", 50, 10}};
    for (const auto& sound : periods) {
        SCOPED_TRACE(sound.name);
        const double length = load(sound.name).milliseconds();
        EXPECT_LE(length, sound.periodMs);
        EXPECT_GE(length, sound.shortestMs);
    }
}

// The real sound player on SDL's dummy device, which plays in real time into nothing. What
// the one mixing channel holds tells which sound is playing.
class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void TearDown() override { unsetenv("SDL_AUDIODRIVER"); }

    // The size of a sound file once the mixer has converted it for the open device.
    static Uint32 deviceBytesOf(const std::string& path) {
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        const Uint32 bytes = chunk != nullptr ? chunk->alen : 0;
        Mix_FreeChunk(chunk);
        return bytes;
    }

    // The bytes of the sound on the channel, or 0 when nothing plays.
    static Uint32 playingBytes() {
        const Mix_Chunk* chunk = Mix_Playing(-1) != 0 ? Mix_GetChunk(0) : nullptr;
        return chunk != nullptr ? chunk->alen : 0;
    }
};

TEST_F(SoundPlayerTest, TheNewestSoundCutsOffTheOnePlaying) {
    SdlSoundPlayer player(".");
    ASSERT_TRUE(player.hasDevice());
    ASSERT_NE(deviceBytesOf("Snd/Roll1.wav"), deviceBytesOf("Snd/Bingo.wav"));
    player.play("Roll1");
    EXPECT_EQ(playingBytes(), deviceBytesOf("Snd/Roll1.wav"));
    player.play("Bingo");
    EXPECT_EQ(playingBytes(), deviceBytesOf("Snd/Bingo.wav"));
    player.play("Roll1");
    EXPECT_EQ(playingBytes(), deviceBytesOf("Snd/Roll1.wav"));
}

TEST_F(SoundPlayerTest, AMissingOrBrokenFileLeavesTheSoundPlayingAlone) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("Snd"));
    ASSERT_TRUE(QFile::copy("Snd/Bingo.wav", folder.filePath("Snd/Fanfare.wav")));
    QFile broken(folder.filePath("Snd/Broken.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF1234WAVEnot a sound at all");
    broken.close();

    SdlSoundPlayer player(folder.path().toStdString());
    ASSERT_TRUE(player.hasDevice());
    player.play("Fanfare");
    for (const char* unplayable : {"Broken", "Missing", "Fanfare.wav"}) {
        player.play(unplayable);
    }
    EXPECT_EQ(playingBytes(), deviceBytesOf("Snd/Bingo.wav"));
}

TEST_F(SoundPlayerTest, WithoutASoundFolderNothingPlays) {
    SdlSoundPlayer player("/nonexistent/quirvanto");
    ASSERT_TRUE(player.hasDevice());
    player.play("Roll1");
    EXPECT_EQ(playingBytes(), 0u);
}

// Without a device the game is silent. alsa-lib complains on stderr while SDL looks for a
// card that is not there; none of that reaches the player's terminal. On a machine with a card
// the alsa case simply plays.
TEST_F(SoundPlayerTest, WithoutAnAudioDeviceTheGameIsSilentAndPrintsNothing) {
    for (const std::string driver : {"no-such-device", "alsa"}) {
        SCOPED_TRACE(driver);
        setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
        testing::internal::CaptureStderr();
        {
            SdlSoundPlayer player(".");
            if (driver == "no-such-device") {
                EXPECT_FALSE(player.hasDevice());
            }
            player.play("Bet");
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
}

}  // namespace
