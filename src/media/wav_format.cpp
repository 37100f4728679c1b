#include "media/wav_format.h"

#include <cstdint>
#include <cstring>

namespace quirvanto {

namespace {

constexpr std::size_t kRiffHeaderBytes = 12;
constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::size_t kFormatBytes = 16;
constexpr double kDeviceSampleBytes = 2;

std::uint32_t littleEndian(const unsigned char* at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | at[i];
    }
    return value;
}

}  // namespace

std::optional<double> convertedWaveBytes(const std::vector<unsigned char>& file, int sampleRate,
                                         int channels) {
    if (file.size() < kRiffHeaderBytes || std::memcmp(file.data(), "RIFF", 4) != 0 ||
        std::memcmp(file.data() + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    std::size_t at = kRiffHeaderBytes;
    while (file.size() - at >= kChunkHeaderBytes) {
        const unsigned char* chunk = file.data() + at;
        const std::uint32_t size = littleEndian(chunk + 4, 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < kFormatBytes || file.size() - at - kChunkHeaderBytes < kFormatBytes) {
                return std::nullopt;
            }
            const unsigned char* format = chunk + kChunkHeaderBytes;
            const double fileChannels = littleEndian(format + 2, 2);
            const double fileRate = littleEndian(format + 4, 4);
            const double bitsPerSample = littleEndian(format + 14, 2);
            if (fileChannels == 0 || fileRate == 0 || bitsPerSample == 0) {
                return std::nullopt;
            }
            const double frames = file.size() * 8.0 / (bitsPerSample * fileChannels);
            return frames * (sampleRate / fileRate) * channels * kDeviceSampleBytes;
        }
        // Chunks are padded to an even size.
        const std::size_t next = kChunkHeaderBytes + size + (size & 1U);
        if (next > file.size() - at) {
            return std::nullopt;
        }
        at += next;
    }
    return std::nullopt;
}

}  // namespace quirvanto
