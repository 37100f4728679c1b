#include "wav_file.h"

#include <fstream>

namespace assets {

namespace {

void put16(std::ofstream& out, std::uint16_t value) {
    const char bytes[] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate) {
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, kChannels);
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * kChannels * kBytesPerSample);
    put16(out, kChannels * kBytesPerSample);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (const std::int16_t sample : samples) {
        put16(out, static_cast<std::uint16_t>(sample));
    }
    return static_cast<bool>(out);
}

}  // namespace assets
