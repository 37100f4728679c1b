#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

// Writes 16-bit PCM mono samples as a WAV file; false when the file cannot be written.
[[nodiscard]] bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples,
                            int sampleRate);

}  // namespace assets
