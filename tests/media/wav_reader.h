#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace media_tests {

struct Wav {
    int format = 0;  // 1 is PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;  // interleaved

    [[nodiscard]] double seconds() const {
        return static_cast<double>(samples.size()) / channels / sampleRate;
    }
};

// Reads a RIFF WAVE file with 16-bit samples; nothing when the file is not one.
inline std::optional<Wav> readWav(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto u16 = [&](std::size_t at) { return bytes[at] | bytes[at + 1] << 8; };
    const auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    };
    const auto tag = [&](std::size_t at, const char* name) {
        return std::equal(name, name + 4, bytes.begin() + static_cast<std::ptrdiff_t>(at));
    };
    if (bytes.size() < 12 || !tag(0, "RIFF") || !tag(8, "WAVE")) {
        return std::nullopt;
    }
    Wav wav;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::uint32_t size = u32(at + 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) {
            return std::nullopt;
        }
        if (tag(at, "fmt ") && size >= 16) {
            wav.format = u16(body);
            wav.channels = u16(body + 2);
            wav.sampleRate = static_cast<int>(u32(body + 4));
            wav.bitsPerSample = u16(body + 14);
            haveFormat = true;
        } else if (tag(at, "data") && haveFormat && wav.bitsPerSample == 16) {
            for (std::size_t i = body; i + 1 < body + size; i += 2) {
                wav.samples.push_back(static_cast<std::int16_t>(u16(i)));
            }
            return wav;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace media_tests
