#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "wav_reader.h"

// The sounds made at build time, as they lie beside the program.
namespace {

using media_tests::readWav;
using media_tests::Wav;

constexpr const char* kEverySound[] = {
    "Roll1",  "Roll2", "Nn",   "Bingo",  "Bet",     "Hold", "Hold2", "Win1", "Meter", "Lose",
    "Letter", "Horse", "None", "Ladder", "Ladder2", "HL",   "WL",    "BL",   "BL2",   "Coin2"};

Wav load(const std::string& name) {
    const auto wav = readWav("Snd/" + name + ".wav");
    if (!wav) {
        ADD_FAILURE() << name << " is not a readable WAV file";
        return {};
    }
    return *wav;
}

double peakDbfs(const Wav& wav) {
    int peak = 0;
    for (const std::int16_t sample : wav.samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak == 0 ? -120.0 : 20.0 * std::log10(peak / 32768.0);
}

double milliseconds(const Wav& wav) {
    return wav.seconds() * 1000.0;
}

TEST(GeneratedSounds, EverySoundIsAPlayableWaveFileOfItsOwn) {
    for (const char* name : kEverySound) {
        SCOPED_TRACE(name);
        const Wav wav = load(name);
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.bitsPerSample, 16);
        EXPECT_TRUE(wav.channels == 1 || wav.channels == 2);
        EXPECT_TRUE(wav.sampleRate == 44100 || wav.sampleRate == 22050);
        EXPECT_FALSE(wav.samples.empty());
    }
}

TEST(GeneratedSounds, AreLoudButNeverClipAndStartAndEndWithoutAClick) {
    for (const char* name : kEverySound) {
        if (std::string(name) == "None") {
            continue;
        }
        SCOPED_TRACE(name);
        const Wav wav = load(name);
        if (wav.samples.empty()) {
            continue;
        }
        EXPECT_GT(peakDbfs(wav), -4.0);
        EXPECT_LT(peakDbfs(wav), -2.0);
        EXPECT_LT(std::abs(wav.samples.front()), 300);
        EXPECT_LT(std::abs(wav.samples.back()), 300);
    }
}

TEST(GeneratedSounds, NoneIsABriefNearSilenceThatOnlyCutsOffTheSoundPlaying) {
    const Wav wav = load("None");
    EXPECT_LT(peakDbfs(wav), -50.0);
    EXPECT_GT(milliseconds(wav), 10.0);
    EXPECT_LE(milliseconds(wav), 50.0);
}

// A background sound is started again by its window's timer: it should fill the period without
// running into the next start.
TEST(GeneratedSounds, BackgroundSoundsFitTheTimersThatRepeatThem) {
    const struct {
        const char* name;
        double periodMs;
    } loops[] = {{"Ladder", 5000}, {"HL", 2000},    {"WL", 800},
                 {"BL", 900},      {"Horse", 1000}, {"Meter", 1000}};
    for (const auto& loop : loops) {
        SCOPED_TRACE(loop.name);
        const double length = milliseconds(load(loop.name));
        EXPECT_LE(length, loop.periodMs);
        EXPECT_GE(length, 0.55 * loop.periodMs);
    }
}

TEST(GeneratedSounds, ShortSignalsEndBeforeTheNextOneOfTheirKind) {
    // Letters light every 100 ms; the roll lasts 241 ticks of 16 ms, 3856 ms.
    EXPECT_LE(milliseconds(load("Letter")), 100.0);
    EXPECT_LE(milliseconds(load("Bet")), 150.0);
    EXPECT_LE(milliseconds(load("Hold")), 150.0);
    EXPECT_LE(milliseconds(load("Hold2")), 100.0);
    EXPECT_LE(milliseconds(load("Roll1")), 3856.0);
    EXPECT_GE(milliseconds(load("Roll1")), 2500.0);
}

}  // namespace
