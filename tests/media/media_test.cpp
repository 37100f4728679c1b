#include <gtest/gtest.h>

#include <SDL.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bad_entries.h"
#include "bonus/form2.h"
#include "bonus/form3.h"
#include "bonus/form4.h"
#include "bonus/form5.h"
#include "bonus/form7.h"
#include "heard_shares.h"
#include "media/picture_files.h"
#include "media/sdl_sound_player.h"
#include "media/wav_format.h"
#include "support/rig.h"
#include "ui/qt/qt_picture.h"
#include "usual_paths.h"

namespace {

using quirvanto::PictureFiles;
using quirvanto::SdlSoundPlayer;
using ui::DesignPicture;

// Puts into a folder a copy of a file from beside the program, and a broken file.
void fill(const QTemporaryDir& folder, const char* from, const char* copy, const char* broken,
          const char* brokenBytes) {
    ASSERT_TRUE(QDir(folder.path()).mkpath(QFileInfo(copy).path()));
    ASSERT_TRUE(QFile::copy(from, folder.filePath(copy)));
    QFile file(folder.filePath(broken));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(brokenBytes);
}

// Puts the entries that are no asset files beside them, named as the entries are.
void fillWithNonFiles(const QTemporaryDir& folder, const QString& prefix, const QString& suffix) {
    for (const auto& [entry, name] : media_tests::kNonFiles) {
        media_tests::make(entry, folder.filePath(prefix + name + suffix));
    }
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture made once and then shared, shown at 32 x 32 and drawn at 64 x 64 so that it stays
// crisp on a 2x screen.
QImage sharedCrispImage(const std::function<ui::Picture()>& make) {
    const ui::Picture picture = make();
    EXPECT_EQ(make(), picture);
    const auto* qtPicture = dynamic_cast<const ui::qt::QtPicture*>(picture.get());
    const QImage image = qtPicture != nullptr ? qtPicture->image() : QImage();
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_EQ(image.size(), QSize(64, 64));
    return image;
}

// Each tile value has a face colour of its own. Each design picture, which the build drew, comes
// without any file, filled out and unlike the others; a pointer points with a visible part of
// itself.
TEST(Pictures, EachIsMadeOnceCrispAndUnlikeTheOthers) {
    PictureFiles pictures(".");
    std::vector<QColor> faces;
    for (int value = 1; value <= 9; ++value) {
        SCOPED_TRACE(value);
        const QImage tile = sharedCrispImage([&] { return pictures.file(std::to_string(value)); });
        // The face at mid-height, left of the digit.
        const QColor face = tile.pixelColor(tile.width() / 8, tile.height() / 2);
        for (const QColor& other : faces) {
            EXPECT_GT(std::hypot(face.red() - other.red(), face.green() - other.green(),
                                 face.blue() - other.blue()),
                      40.0);
        }
        faces.push_back(face);
    }
    PictureFiles withoutFiles("/nonexistent/quirvanto");
    std::vector<QImage> drawn;
    for (int which = static_cast<int>(DesignPicture::InitialTile);
         which <= static_cast<int>(DesignPicture::Cherries); ++which) {
        SCOPED_TRACE(which);
        const auto design = static_cast<DesignPicture>(which);
        const QImage image = sharedCrispImage([&] { return withoutFiles.design(design); });
        const QImage alpha = image.convertToFormat(QImage::Format_Alpha8);
        EXPECT_GT(std::count_if(alpha.constBits(), alpha.constBits() + alpha.sizeInBytes(),
                                [](uchar opacity) { return opacity > 128; }),
                  0.12 * alpha.sizeInBytes());
        EXPECT_EQ(std::count(drawn.begin(), drawn.end(), image), 0);
        drawn.push_back(image);
        if (design == DesignPicture::ClickPointer || design == DesignPicture::WindowPointer) {
            const auto* pointer =
                dynamic_cast<const ui::qt::QtPicture*>(withoutFiles.design(design).get());
            ASSERT_NE(pointer, nullptr);
            EXPECT_GT(qAlpha(image.pixel(pointer->hotSpot() * 2)), 128);
        }
    }
}

// A file that is missing, undecodable or no file at all gives no picture, and at once. A picture
// larger than a tile is decoded to the tile's 64 x 64 device pixels, not kept at its own size.
TEST(Pictures, OnlyADecodableFileGivesAPictureAndNoneHoldsMoreThanATile) {
    QTemporaryDir folder;
    fill(folder, "Img/3.png", "Img/3.png", "Img/2.png", "\x89PNG but not really");
    fillWithNonFiles(folder, "Img/", ".png");
    QImage large(1600, 1200, QImage::Format_RGB32);
    large.fill(Qt::darkCyan);
    ASSERT_TRUE(large.save(folder.filePath("Img/Large.png"), "PNG"));
    PictureFiles pictures(folder.path().toStdString());
    for (const char* unusable : {"2", "7", "7", "3.png", "Fifo", "Device", "Folder", "Huge"}) {
        EXPECT_EQ(pictures.file(unusable), nullptr) << unusable;
    }
    EXPECT_NE(pictures.file("3"), nullptr);
    EXPECT_EQ(PictureFiles("/nonexistent/quirvanto").file("3"), nullptr);

    const auto* shown = dynamic_cast<const ui::qt::QtPicture*>(pictures.file("Large").get());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->image().size(), QSize(64, 48));
    EXPECT_EQ(shown->image().deviceIndependentSize(), QSizeF(32, 24));
    EXPECT_EQ(shown->image().pixelColor(10, 10), QColor(Qt::darkCyan));
}

// Every sound made at build time starts and ends without a click and never clips; None, which
// only cuts off the sound playing, is near silent. A background sound is started again by its
// window's timer, and a signal sounds again at the next event of its kind (letters light 100 ms
// apart, the win meter counts every 200 ms, a roll starts after the last): each ends before
// its next start, a background fills most of its period and the roll's sound fills the roll.
// Loudness (RMS) follows what happens: a win and the jackpot stand out, losses, buzzers and
// backgrounds are softer than the game's other events, the small clicks quietest.
TEST(Sounds, AreCleanInTheirPlaceOfLoudnessAndEachEndsBeforeItsNextStart) {
    constexpr double kNoRestart = 60000;  // a sound that nothing starts again soon after
    testing_support::Rig rig;
    quirvanto::Program& program = rig.program;
    for (quirvanto::BonusWindow* bonus : program.bonusWindows()) {
        bonus->load();
    }
    const auto restartMs = [](const ui::Timer& timer) {
        return static_cast<double>(timer.interval());
    };
    enum Level { kSilent, kClick, kSoft, kEvent, kWin };
    const struct {
        const char* name;
        double periodMs;
        double shortestMs;
        Level level;
    } sounds[] = {{"Ladder", restartMs(program.form3().Suono), 2750, kSoft},
                  {"HL", restartMs(program.form4().Suono), 1100, kSoft},
                  {"WL", restartMs(program.form5().Suono), 440, kSoft},
                  {"BL", restartMs(program.form7().Suono), 495, kSoft},
                  {"Horse", restartMs(program.form2().Galoppo), 550, kSoft},
                  {"Meter", 200, 100, kClick},
                  {"Letter", 100, 0, kClick},
                  {"Bet", 150, 0, kClick},
                  {"Hold", 150, 0, kClick},
                  {"Hold2", 100, 0, kClick},
                  {"Roll1", quirvanto::kRollMs, 3800, kSoft},
                  {"None", 50, 10, kSilent},
                  {"Roll2", kNoRestart, 0, kEvent},
                  {"Nn", kNoRestart, 0, kEvent},
                  {"Bingo", kNoRestart, 0, kWin},
                  {"Win1", kNoRestart, 0, kWin},
                  {"Lose", kNoRestart, 0, kSoft},
                  {"Ladder2", kNoRestart, 0, kEvent},
                  {"BL2", kNoRestart, 0, kSoft},
                  {"Coin2", kNoRestart, 0, kEvent}};
    std::vector<std::pair<Level, double>> loudness;
    for (const auto& sound : sounds) {
        SCOPED_TRACE(sound.name);
        const auto read = sound_bench::readSound(std::string("Snd/") + sound.name + ".wav");
        ASSERT_TRUE(read.has_value());
        const std::vector<std::int16_t>& samples = read->samples;
        ASSERT_FALSE(samples.empty());

        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        const double peakDbfs = 20.0 * std::log10(std::max({1, -*low, +*high}) / 32768.0);
        double energy = 0.0;
        for (const std::int16_t sample : samples) {
            energy += static_cast<double>(sample) * sample;
        }
        const double rmsDbfs = 10.0 * std::log10(energy / samples.size() / (32768.0 * 32768.0));
        const bool silent = sound.level == kSilent;
        EXPECT_GT(peakDbfs, silent ? -100.0 : -20.0);
        EXPECT_LT(peakDbfs, silent ? -50.0 : -0.99);
        EXPECT_LT(std::abs(samples.front()), 300);
        EXPECT_LT(std::abs(samples.back()), 300);
        const double lengthMs =
            1000.0 * samples.size() / read->format.channels / read->format.sampleRate;
        EXPECT_LE(lengthMs, sound.periodMs);
        EXPECT_GE(lengthMs, sound.shortestMs);
        for (const auto& [level, rms] : loudness) {
            if (level != kSilent && sound.level != kSilent && level != sound.level) {
                const double louder = level > sound.level ? rms - rmsDbfs : rmsDbfs - rms;
                EXPECT_GT(louder, 1.5 * std::abs(level - sound.level)) << "against " << rms;
            }
        }
        loudness.emplace_back(sound.level, rmsDbfs);
    }
}

// On the usual paths of play, every sound but a background keeps most of its energy before the
// next sound cuts it off: a win is heard before the meter counts, the roll's sound until the
// reels stop, both clunks of the stop before the first letter.
TEST(Sounds, AreHeardInPlayBeforeTheNextSoundCutsThemOff) {
    const auto shares = sound_bench::heardShares(sound_bench::playUsualPaths(), "Snd");
    EXPECT_EQ(shares.size(), 20u) << "every sound of the game is played on some path";
    for (const auto& share : shares) {
        if (!sound_bench::isBackgroundLoop(share.sound)) {
            EXPECT_GE(share.least, 0.8) << share.sound;
        }
    }
}

// The real sound player on SDL's dummy device, which plays in real time into nothing and takes
// one player at a time.
class SoundPlayer : public ::testing::Test {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void TearDown() override { unsetenv("SDL_AUDIODRIVER"); }

    // The samples of a sound file as SDL reads them: the format the player keeps and plays.
    static std::vector<std::int16_t> samplesOf(const std::string& name) {
        SDL_AudioSpec audio{};
        Uint8* buffer = nullptr;
        Uint32 bytes = 0;
        if (SDL_LoadWAV(("Snd/" + name + ".wav").c_str(), &audio, &buffer, &bytes) == nullptr) {
            return {};
        }
        const auto* first = reinterpret_cast<const std::int16_t*>(buffer);
        std::vector<std::int16_t> samples(first, first + bytes / 2);
        SDL_FreeWAV(buffer);
        return samples;
    }

    // Waits up to two seconds for a condition of the player, which SDL's audio thread changes.
    static bool within2s(const std::function<bool()>& done) {
        for (int waited = 0; !done() && waited < 2000; waited += 10) {
            SDL_Delay(10);
        }
        return done();
    }
};

// The first sound waits for the player to get ready, whether its loading has just started or
// not at all. The short Bet ends long before the roll's sound would have.
TEST_F(SoundPlayer, TheNewestSoundCutsOffTheOnePlaying) {
    {
        SdlSoundPlayer player(".");
        player.startLoading();
        player.play("Roll1");
        EXPECT_TRUE(player.soundPlaying());
        player.play("Bet");
        EXPECT_TRUE(within2s([&] { return !player.soundPlaying(); }));
    }
    SdlSoundPlayer notStarted(".");
    notStarted.play("Bingo");
    EXPECT_TRUE(notStarted.soundPlaying());
}

// A sound is weighed from its wave header before it is decoded: never lighter than its samples,
// so that a file too heavy for the player is never decoded, and not much heavier, so that our
// own sounds are all kept. A file in any other format has no weight and is not decoded at all.
TEST_F(SoundPlayer, WeighsAWaveFileFromItsHeaderBeforeDecodingIt) {
    for (const char* name : {"Bingo", "Ladder", "Bet"}) {
        SCOPED_TRACE(name);
        const QByteArray file = readFile(QString("Snd/%1.wav").arg(name));
        const auto weight = quirvanto::convertedWaveBytes(
            std::vector<unsigned char>(file.begin(), file.end()), 44100, 1);
        ASSERT_TRUE(weight.has_value());
        const double bytes = 2.0 * static_cast<double>(samplesOf(name).size());
        EXPECT_GE(*weight, bytes);
        EXPECT_LE(*weight, bytes * 1.01 + 1000);
    }
    const QByteArray picture = readFile("Img/1.png");
    EXPECT_FALSE(quirvanto::convertedWaveBytes({picture.begin(), picture.end()}, 44100, 1));
}

// An entry that is no sound file (a FIFO, a device, a folder, a file beyond any sound of the
// game) is unplayable as a missing or broken file is, and none of them holds up the player, which
// reads every file of the folder as it starts.
TEST_F(SoundPlayer, AMissingSoundFolderOrAMissingOrBrokenFileCutsOffTheSoundPlaying) {
    {
        SdlSoundPlayer withoutFolder("/nonexistent/quirvanto");
        ASSERT_TRUE(withoutFolder.hasDevice());
        withoutFolder.play("Roll1");
        EXPECT_FALSE(withoutFolder.soundPlaying());
    }

    QTemporaryDir folder;
    fill(folder, "Snd/Roll1.wav", "Snd/Fanfare.wav", "Snd/Broken.wav", "RIFF1234WAVEnot a sound");
    fillWithNonFiles(folder, "Snd/", ".wav");
    SdlSoundPlayer player(folder.path().toStdString());
    for (const char* unplayable :
         {"Broken", "Missing", "Fanfare.wav", "Fifo", "Device", "Folder", "Huge"}) {
        player.play("Fanfare");
        ASSERT_TRUE(player.soundPlaying());
        player.play(unplayable);
        EXPECT_FALSE(player.soundPlaying()) << unplayable;
    }
}

// Once silent for a while the device is closed, so that the sound server and SDL's thread rest.
// The next sound opens it again and reaches it whole, after at most one buffer (12 ms) of the
// silence SDL writes while it starts the device (SDL's disk device writes what it is given to a
// file, anew each time it is opened).
TEST_F(SoundPlayer, SleepsWhenSilentAndWakesForTheNextSoundWithoutLosingItsStart) {
    QTemporaryDir folder;
    const std::string written = folder.filePath("device.raw").toStdString();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", written.c_str(), 1);
    SdlSoundPlayer player(".", {}, std::chrono::milliseconds(100));
    ASSERT_TRUE(player.hasDevice());
    EXPECT_TRUE(within2s([&] { return !player.deviceOpen(); }));

    player.play("Letter");
    EXPECT_TRUE(player.deviceOpen());
    EXPECT_TRUE(within2s([&] { return !player.deviceOpen(); }));
    unsetenv("SDL_DISKAUDIOFILE");
    const QByteArray bytes = readFile(QString::fromStdString(written));
    const auto* first = reinterpret_cast<const std::int16_t*>(bytes.constData());
    const std::vector<std::int16_t> heard(first, first + bytes.size() / 2);
    const std::vector<std::int16_t> letter = samplesOf("Letter");
    const auto start = std::search(heard.begin(), heard.end(), letter.begin(), letter.end());
    ASSERT_NE(start, heard.end());
    EXPECT_LE(start - heard.begin(), 512) << "more than a buffer of silence before the sound";
}

// Without a device the game is silent. alsa-lib complains on stderr while SDL looks for a
// card that is not there; none of that reaches the player's terminal. On a machine with a card
// the alsa case simply plays.
TEST_F(SoundPlayer, WithoutAnAudioDeviceTheGameIsSilentAndPrintsNothing) {
    for (const std::string driver : {"no-such-device", "alsa"}) {
        SCOPED_TRACE(driver);
        setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
        testing::internal::CaptureStderr();
        {
            SdlSoundPlayer player(".");
            EXPECT_TRUE(driver == "alsa" || !player.hasDevice());
            player.play("Bet");
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
}

}  // namespace
