#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assets {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kNyquist = kSampleRate / 2.0;
constexpr double kHighestPeak = 0.8913;                      // -1 dBFS
constexpr double kMostDrive = 4.0;                           // 12 dB
constexpr std::size_t kEdgeFadeSamples = kSampleRate / 500;  // 2 ms

double envelopeAt(const Envelope& envelope, double t, double length) {
    double value = envelope.attack > 0.0 ? std::min(1.0, t / envelope.attack) : 1.0;
    if (envelope.decay > 0.0) {
        value *= std::exp(-t / envelope.decay);
    }
    const double left = length - t;
    if (envelope.release > 0.0 && left < envelope.release) {
        value *= std::max(0.0, left / envelope.release);
    }
    return value;
}

}  // namespace

Track::Track(double seconds) : samples_(static_cast<std::size_t>(seconds * kSampleRate), 0.0) {}

void Track::add(const Note& note) {
    const auto first = static_cast<std::size_t>(note.start * kSampleRate);
    const auto count = static_cast<std::size_t>(note.length * kSampleRate);
    const double to = note.to > 0.0 ? note.to : note.from;
    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double progress = t / note.length;
        double pitch = note.from * std::pow(to / note.from, progress);
        pitch *= 1.0 + note.vibratoDepth * std::sin(kTwoPi * note.vibratoHz * t);
        phase += kTwoPi * pitch / kSampleRate;
        const double brightness =
            note.wah ? 0.2 + 0.75 * std::sin(std::numbers::pi * progress) : 1.0;
        double value = 0.0;
        double weightOfHarmonic = 1.0;
        for (std::size_t k = 0; k < note.partials.size(); ++k) {
            const double harmonic = static_cast<double>(k + 1);
            if (pitch * harmonic >= kNyquist) {
                break;
            }
            value += note.partials[k] * weightOfHarmonic * std::sin(phase * harmonic);
            weightOfHarmonic *= brightness;
        }
        samples_[first + i] += note.level * envelopeAt(note.envelope, t, note.length) * value;
    }
}

void Track::add(const Bell& bell) {
    struct Partial {
        double ratio;
        double weight;
        double ring;
    };
    constexpr Partial kPartials[] = {
        {1.0, 1.0, 1.0}, {2.76, 0.45, 0.55}, {5.40, 0.25, 0.3}, {8.93, 0.12, 0.18}};
    const double length = std::min(bell.ring * 6.0, samples_.size() / double(kSampleRate));
    for (const Partial& partial : kPartials) {
        add(Note{
            .start = bell.start,
            .length = length,
            .from = bell.pitch * partial.ratio,
            .level = bell.level * partial.weight,
            .envelope = {.attack = 0.002, .decay = bell.ring * partial.ring, .release = 0.02}});
    }
}

void Track::add(const Noise& noise) {
    const auto first = static_cast<std::size_t>(noise.start * kSampleRate);
    const auto count = static_cast<std::size_t>(noise.length * kSampleRate);
    // A one-pole low-pass: the duller the noise, the more of the previous sample it keeps.
    const double keep = 1.0 - std::clamp(noise.brightness, 0.02, 1.0);
    // Filtering lowers the loudness of the noise; this lifts it back to that of white noise.
    const double makeUp = std::sqrt((1.0 + keep) / (1.0 - keep));
    double filtered = 0.0;
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        noiseState_ ^= noiseState_ << 13;
        noiseState_ ^= noiseState_ >> 17;
        noiseState_ ^= noiseState_ << 5;
        const double white = noiseState_ / 2147483648.0 - 1.0;
        filtered = keep * filtered + (1.0 - keep) * white;
        const double t = static_cast<double>(i) / kSampleRate;
        samples_[first + i] +=
            noise.level * makeUp * envelopeAt(noise.envelope, t, noise.length) * filtered;
    }
}

std::vector<std::int16_t> Track::finish(double rmsDbfs) const {
    std::vector<double> faded = samples_;
    const std::size_t edge = std::min(faded.size() / 2, kEdgeFadeSamples);
    for (std::size_t i = 0; i < edge; ++i) {
        const double fade = static_cast<double>(i) / edge;
        faded[i] *= fade;
        faded[faded.size() - 1 - i] *= fade;
    }
    // A soft limiter, nearly straight for quiet samples, rounds the peaks off below -1 dBFS, so a
    // loud sound reaches its loudness without clipping. The gain is found by a few steps towards
    // the loudness asked for; the limiter never drives a peak by more than kMostDrive.
    const auto rmsAt = [&faded](double gain) {
        double energy = 0.0;
        for (const double sample : faded) {
            const double shaped = kHighestPeak * std::tanh(sample * gain / kHighestPeak);
            energy += shaped * shaped;
        }
        return faded.empty() ? 0.0 : std::sqrt(energy / static_cast<double>(faded.size()));
    };
    double peak = 0.0;
    for (const double sample : faded) {
        peak = std::max(peak, std::abs(sample));
    }
    const double target = std::pow(10.0, rmsDbfs / 20.0);
    const double mostGain = peak > 0.0 ? kMostDrive * kHighestPeak / peak : 0.0;
    double gain = peak > 0.0 ? kHighestPeak / peak : 0.0;
    for (int step = 0; step < 12 && gain > 0.0; ++step) {
        gain = std::min(mostGain, gain * target / rmsAt(gain));
    }
    std::vector<std::int16_t> out(faded.size());
    for (std::size_t i = 0; i < faded.size(); ++i) {
        const double shaped = kHighestPeak * std::tanh(faded[i] * gain / kHighestPeak);
        out[i] = static_cast<std::int16_t>(std::lround(shaped * 32767.0));
    }
    return out;
}

}  // namespace assets
