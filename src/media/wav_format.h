#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace quirvanto {

// What the format chunk of a wave file says of its samples.
struct WaveFormat {
    std::uint32_t encoding = 0;  // 1: integer PCM
    std::uint32_t channels = 0;
    std::uint32_t sampleRate = 0;  // frames a second
    std::uint32_t bitsPerSample = 0;
};

// The format of a RIFF WAVE file, read from its header alone; nothing when the bytes are not a
// RIFF WAVE file, a chunk before the format runs past the end, or the format is cut short or
// gives no channels, rate or sample size.
[[nodiscard]] std::optional<WaveFormat> waveFormatOf(const std::vector<unsigned char>& file);

// How many bytes a wave file's sound takes once it is converted to 16-bit samples at
// the given rate and channel count, read from its header alone, so that a file can be turned away
// before it is decoded. An upper bound: the whole file is counted as samples. Nothing when the
// bytes are not a RIFF WAVE file with a sound format chunk: the game's sounds are wave files, and
// no other format is given to the decoder.
[[nodiscard]] std::optional<double> convertedWaveBytes(const std::vector<unsigned char>& file,
                                                       int sampleRate, int channels);

// The samples of a wave file of 16-bit integer PCM, the channels of a frame one after the other,
// as far as its data chunk holds whole frames; nothing for any other file.
struct WaveSamples {
    WaveFormat format;
    std::vector<std::int16_t> samples;
};
[[nodiscard]] std::optional<WaveSamples> pcm16SamplesOf(const std::vector<unsigned char>& file);

}  // namespace quirvanto
