#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "media/sdl_sound_player.h"
#include "wav_reader.h"

// The real sound player on SDL's dummy device, which plays in real time into nothing. What
// the one mixing channel holds tells which sound is playing.
namespace {

using quirvanto::SdlSoundPlayer;

class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void TearDown() override { unsetenv("SDL_AUDIODRIVER"); }

    // The size the mixer gives a sound file once converted to the device's format.
    static std::uint32_t deviceBytesOf(const std::string& path) {
        const auto wav = media_tests::readWav(path);
        int rate = 0;
        int channels = 0;
        Uint16 format = 0;
        Mix_QuerySpec(&rate, &format, &channels);
        if (!wav || rate != wav->sampleRate) {
            ADD_FAILURE() << path << " cannot be compared at " << rate << " Hz";
            return 0;
        }
        const auto frames = wav->samples.size() / static_cast<std::size_t>(wav->channels);
        return static_cast<std::uint32_t>(frames * channels * SDL_AUDIO_BITSIZE(format) / 8);
    }

    // The bytes of the sound on the channel, or 0 when nothing plays.
    static std::uint32_t playingBytes() {
        if (Mix_Playing(-1) == 0) {
            return 0;
        }
        const Mix_Chunk* chunk = Mix_GetChunk(0);
        return chunk != nullptr ? chunk->alen : 0;
    }
};

TEST_F(SoundPlayerTest, TheNewestSoundCutsOffTheOnePlaying) {
    SdlSoundPlayer player(".");
    ASSERT_TRUE(player.hasDevice());
    player.play("Roll1");
    EXPECT_EQ(playingBytes(), deviceBytesOf("Snd/Roll1.wav"));
    player.play("Bingo");
    EXPECT_EQ(Mix_Playing(-1), 1);
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
    player.play("Broken");
    player.play("Missing");
    player.play("Fanfare.wav");
    EXPECT_EQ(playingBytes(), deviceBytesOf("Snd/Bingo.wav"));
}

TEST_F(SoundPlayerTest, WithoutASoundFolderNothingPlays) {
    SdlSoundPlayer player("/nonexistent/quirvanto");
    ASSERT_TRUE(player.hasDevice());
    player.play("Roll1");
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundPlayerTest, WithoutAnAudioDeviceTheGameIsSilentAndSaysNothing) {
    setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    testing::internal::CaptureStderr();
    {
        SdlSoundPlayer player(".");
        EXPECT_FALSE(player.hasDevice());
        player.play("Roll1");
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// Without a sound card alsa-lib complains on stderr while SDL looks for a device; the player
// keeps that out of the player's terminal. On a machine with a card this simply plays.
TEST_F(SoundPlayerTest, LookingForAMissingSoundCardPrintsNothing) {
    setenv("SDL_AUDIODRIVER", "alsa", 1);
    testing::internal::CaptureStderr();
    {
        SdlSoundPlayer player(".");
        player.play("Bet");
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
