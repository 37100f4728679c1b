#pragma once

#include <cstdint>
#include <vector>

// The building blocks of the game's sounds: tones, bells and noise bursts mixed into a track.
namespace assets {

inline constexpr int kSampleRate = 44100;

// Every note fades in over `attack`, falls away exponentially with time constant `decay`
// (0 holds it), and fades out over `release` before its end, so no note starts or stops
// with a click.
struct Envelope {
    double attack = 0.004;
    double decay = 0.0;
    double release = 0.008;
};

struct Note {
    double start = 0.0;   // seconds from the start of the track
    double length = 0.1;  // seconds
    double from = 440.0;  // pitch at the start, Hz
    double to = 0.0;      // pitch at the end (glides exponentially); 0 keeps `from`
    std::vector<double> partials = {1.0};  // weight of harmonic 1, 2, 3, ...
    double level = 1.0;
    Envelope envelope;
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;  // fraction of the pitch
    bool wah = false;           // the upper harmonics swell and fade within the note
};

// Pure-tone ratios of a small bell, each partial ringing shorter than the one below.
struct Bell {
    double start = 0.0;
    double pitch = 1000.0;
    double level = 1.0;
    double ring = 0.3;  // decay time constant of the fundamental, seconds
};

struct Noise {
    double start = 0.0;
    double length = 0.02;
    double level = 1.0;
    double brightness = 0.5;  // 0 dull thud .. 1 white hiss
    Envelope envelope{.attack = 0.0005, .decay = 0.005, .release = 0.002};
};

class Track {
public:
    explicit Track(double seconds);

    void add(const Note& note);
    void add(const Bell& bell);
    void add(const Noise& noise);

    // The mix as 16-bit samples at a loudness given as its RMS over the whole track in dBFS; a
    // soft limiter keeps every sample below -1 dBFS (a silent track stays silent).
    [[nodiscard]] std::vector<std::int16_t> finish(double rmsDbfs) const;

private:
    std::vector<double> samples_;
    std::uint32_t noiseState_ = 0x2545F491u;
};

}  // namespace assets
