#include "media/wav_format.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace quirvanto {

namespace {

constexpr std::size_t kRiffHeaderBytes = 12;
constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::size_t kFormatBytes = 16;
constexpr std::uint32_t kPcmEncoding = 1;
constexpr std::uint32_t kSampleBits = 16;
constexpr double kDeviceSampleBytes = 2;

std::uint32_t littleEndian(const unsigned char* at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | at[i];
    }
    return value;
}

// The body of the first chunk named `id`, cut at the end of the file; nothing when the bytes are
// not a RIFF WAVE file or a chunk before it runs past the end. The size the chunk gives for
// itself comes with it.
struct Chunk {
    std::span<const unsigned char> body;
    std::uint32_t declaredSize = 0;
};

std::optional<Chunk> chunkOf(const std::vector<unsigned char>& file, const char (&id)[5]) {
    if (file.size() < kRiffHeaderBytes || std::memcmp(file.data(), "RIFF", 4) != 0 ||
        std::memcmp(file.data() + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    std::size_t at = kRiffHeaderBytes;
    while (file.size() - at >= kChunkHeaderBytes) {
        const unsigned char* chunk = file.data() + at;
        const std::uint32_t size = littleEndian(chunk + 4, 4);
        const std::size_t room = file.size() - at - kChunkHeaderBytes;
        if (std::memcmp(chunk, id, 4) == 0) {
            return Chunk{{chunk + kChunkHeaderBytes, std::min<std::size_t>(size, room)}, size};
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

}  // namespace

std::optional<WaveFormat> waveFormatOf(const std::vector<unsigned char>& file) {
    const auto chunk = chunkOf(file, "fmt ");
    if (!chunk || chunk->declaredSize < kFormatBytes || chunk->body.size() < kFormatBytes) {
        return std::nullopt;
    }
    const unsigned char* format = chunk->body.data();
    const WaveFormat read{.encoding = littleEndian(format, 2),
                          .channels = littleEndian(format + 2, 2),
                          .sampleRate = littleEndian(format + 4, 4),
                          .bitsPerSample = littleEndian(format + 14, 2)};
    if (read.channels == 0 || read.sampleRate == 0 || read.bitsPerSample == 0) {
        return std::nullopt;
    }
    return read;
}

std::optional<double> convertedWaveBytes(const std::vector<unsigned char>& file, int sampleRate,
                                         int channels) {
    const auto format = waveFormatOf(file);
    if (!format) {
        return std::nullopt;
    }
    const double frames =
        file.size() * 8.0 / (static_cast<double>(format->bitsPerSample) * format->channels);
    return frames * (sampleRate / static_cast<double>(format->sampleRate)) * channels *
           kDeviceSampleBytes;
}

std::optional<WaveSamples> pcm16SamplesOf(const std::vector<unsigned char>& file) {
    const auto format = waveFormatOf(file);
    if (!format || format->encoding != kPcmEncoding || format->bitsPerSample != kSampleBits) {
        return std::nullopt;
    }
    const auto data = chunkOf(file, "data");
    if (!data) {
        return std::nullopt;
    }
    const std::size_t frameBytes = 2 * std::size_t{format->channels};
    WaveSamples read{*format,
                     std::vector<std::int16_t>(data->body.size() / frameBytes * format->channels)};
    for (std::size_t i = 0; i < read.samples.size(); ++i) {
        read.samples[i] = static_cast<std::int16_t>(littleEndian(data->body.data() + 2 * i, 2));
    }
    return read;
}

}  // namespace quirvanto
