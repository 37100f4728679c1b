#include "heard_shares.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <map>

namespace sound_bench {

namespace {

// The energy of a sound up to each of its frames (the channels of a frame summed).
class EnergyCurve {
public:
    explicit EnergyCurve(const std::string& path) {
        const auto sound = readSound(path);
        if (!sound) {
            return;
        }
        rate_ = static_cast<int>(sound->format.sampleRate);
        double sum = 0.0;
        for (std::size_t i = 0; i < sound->samples.size(); ++i) {
            sum += static_cast<double>(sound->samples[i]) * sound->samples[i];
            if ((i + 1) % sound->format.channels == 0) {
                cumulative_.push_back(sum);
            }
        }
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
    int rate_ = 44100;
    std::vector<double> cumulative_;
};

}  // namespace

std::optional<quirvanto::WaveSamples> readSound(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return quirvanto::pcm16SamplesOf({std::istreambuf_iterator<char>(in), {}});
}

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

}  // namespace sound_bench
