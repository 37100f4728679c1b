#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace quirvanto {

// How many bytes a wave file's sound takes once the mixer has converted it to 16-bit samples at
// the given rate and channel count, read from its header alone, so that a file can be turned away
// before it is decoded. An upper bound: the whole file is counted as samples. Nothing when the
// bytes are not a RIFF WAVE file with a sound format chunk: the game's sounds are wave files, and
// no other format is given to the decoder.
[[nodiscard]] std::optional<double> convertedWaveBytes(const std::vector<unsigned char>& file,
                                                       int sampleRate, int channels);

}  // namespace quirvanto
