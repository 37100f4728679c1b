#include "support/heard_shares.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

namespace testing_support {

namespace {

// The energy of a sound up to each of its frames (16-bit PCM; the channels of a frame summed).
class EnergyCurve {
public:
    explicit EnergyCurve(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        read(bytes);
    }

    // The share of the energy within the first `ms` milliseconds.
    [[nodiscard]] double shareWithin(std::int64_t ms) const {
        if (cumulative_.empty() || cumulative_.back() <= 0.0) {
            return 1.0;
        }
        const auto frames = static_cast<std::size_t>(ms * rate_ / 1000);
        if (frames == 0) {
            return 0.0;
        }
        return cumulative_[std::min(frames, cumulative_.size()) - 1] / cumulative_.back();
    }

private:
    static std::uint32_t u32(const std::vector<char>& b, std::size_t at) {
        std::uint32_t value = 0;
        std::memcpy(&value, b.data() + at, 4);
        return value;
    }

    void read(const std::vector<char>& b) {
        if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
            std::memcmp(b.data() + 8, "WAVE", 4) != 0) {
            return;
        }
        int channels = 0;
        for (std::size_t at = 12; at + 8 <= b.size();) {
            const std::uint32_t size = u32(b, at + 4);
            const std::size_t body = at + 8;
            const std::size_t end = std::min(b.size(), body + size);
            if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && end >= body + 16) {
                std::int16_t count = 0;
                std::memcpy(&count, b.data() + body + 2, 2);
                channels = count;
                rate_ = static_cast<int>(u32(b, body + 4));
            } else if (std::memcmp(b.data() + at, "data", 4) == 0 && channels > 0) {
                double sum = 0.0;
                const std::size_t frameBytes = 2 * static_cast<std::size_t>(channels);
                for (std::size_t frame = body; frame + frameBytes <= end; frame += frameBytes) {
                    for (int c = 0; c < channels; ++c) {
                        std::int16_t sample = 0;
                        std::memcpy(&sample, b.data() + frame + 2 * c, 2);
                        sum += static_cast<double>(sample) * sample;
                    }
                    cumulative_.push_back(sum);
                }
                return;
            }
            at = body + size + (size % 2);
        }
    }

    int rate_ = 44100;
    std::vector<double> cumulative_;
};

}  // namespace

bool isBackgroundLoop(std::string_view sound) {
    constexpr std::array<std::string_view, 5> kLoops{"Horse", "Ladder", "HL", "WL", "BL"};
    return std::find(kLoops.begin(), kLoops.end(), sound) != kLoops.end();
}

std::vector<HeardShare> heardShares(const std::vector<PathSounds>& paths,
                                    const std::string& soundFolder) {
    std::map<std::string, HeardShare> shares;
    std::map<std::string, std::vector<double>> heard;
    std::map<std::string, EnergyCurve> curves;
    for (const PathSounds& path : paths) {
        for (std::size_t i = 0; i < path.played.size(); ++i) {
            const std::string& name = path.played[i].name;
            HeardShare& share = shares.try_emplace(name).first->second;
            share.sound = name;
            const bool last = i + 1 == path.played.size();
            const std::int64_t cut = last ? path.endMs : path.played[i + 1].atMs;
            const std::int64_t left = cut - path.played[i].atMs;
            if (left <= 0) {
                ++share.cutAtOnce;
                continue;
            }
            auto curve = curves.find(name);
            if (curve == curves.end()) {
                curve = curves.emplace(name, EnergyCurve(soundFolder + "/" + name + ".wav")).first;
            }
            const double part = curve->second.shareWithin(left);
            const bool byPlayer = !last && std::find(path.pressesMs.begin(), path.pressesMs.end(),
                                                     cut) != path.pressesMs.end();
            if (byPlayer) {
                ++share.cutByPlayer;
            } else {
                share.least = std::min(share.least, part);
            }
            share.shortestMs = share.plays == 0 ? left : std::min(share.shortestMs, left);
            ++share.plays;
            heard[name].push_back(part);
        }
    }
    std::vector<HeardShare> result;
    for (auto& [name, share] : shares) {
        std::vector<double>& parts = heard[name];
        std::sort(parts.begin(), parts.end());
        share.median = parts.empty() ? 0.0 : parts[parts.size() / 2];
        result.push_back(share);
    }
    return result;
}

}  // namespace testing_support
