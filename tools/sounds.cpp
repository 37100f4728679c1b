#include "sounds.h"

#include <cmath>

#include "machine/roll.h"
#include "synth.h"

namespace assets {

namespace {

// Timbres as weights of the harmonics.
const std::vector<double> kSoft = {1.0, 0.3, 0.1};
const std::vector<double> kReedy = {1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14, 0.0, 0.11};
const std::vector<double> kBrass = {1.0, 0.6, 0.45, 0.35, 0.28, 0.22, 0.17, 0.13, 0.1, 0.08};
const std::vector<double> kPluck = {1.0, 0.5, 0.25, 0.12, 0.06};

// Equal-tempered pitch of a note counted in semitones from A4.
double pitch(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}
constexpr int C4 = -9, D4 = -7, E4 = -5, F4 = -4, G4 = -2, A4 = 0, B4 = 2;
constexpr int C5 = 3, D5 = 5, E5 = 7, F5 = 8, G5 = 10, A5 = 12, B5 = 14;
constexpr int C6 = 15, E6 = 19, G6 = 22, C7 = 27;

// A short mechanical click: a burst of bright noise with a small resonance.
void click(Track& track, double at, double level, double ring) {
    track.add(Noise{.start = at, .length = 0.012, .level = level, .brightness = 0.7});
    track.add(Note{.start = at,
                   .length = 0.03,
                   .from = ring,
                   .level = level * 0.5,
                   .envelope = {.attack = 0.0005, .decay = 0.006, .release = 0.004}});
}

// A low knock: a falling sine thump with a dull noise burst on top; the shorter its decay, the
// drier the knock.
void thump(Track& track, double at, double level, double from, double to, double decay = 0.045) {
    track.add(Note{.start = at,
                   .length = 0.18,
                   .from = from,
                   .to = to,
                   .level = level,
                   .envelope = {.attack = 0.001, .decay = decay, .release = 0.02}});
    track.add(Noise{.start = at,
                    .length = 0.04,
                    .level = level * 0.6,
                    .brightness = 0.15,
                    .envelope = {.attack = 0.0005, .decay = 0.012, .release = 0.005}});
}

void pluck(Track& track, double at, double length, int note, double level,
           const std::vector<double>& timbre = kPluck) {
    track.add(Note{.start = at,
                   .length = length,
                   .from = pitch(note),
                   .partials = timbre,
                   .level = level,
                   .envelope = {.attack = 0.003, .decay = length * 0.45, .release = 0.02}});
}

// The reels start: a ratchet that speeds up over a motor hum that rises with it. It lasts as
// long as the roll and fades in the last moment before the reels stop.
Track roll1() {
    constexpr double kLength = quirvanto::kRollMs / 1000.0;
    Track track(kLength);
    track.add(Note{.start = 0.0,
                   .length = kLength,
                   .from = 70.0,
                   .to = 150.0,
                   .partials = kBrass,
                   .level = 0.12,
                   .envelope = {.attack = 0.25, .release = 0.3},
                   .vibratoHz = 9.0,
                   .vibratoDepth = 0.02});
    double at = 0.02;
    while (at < kLength - 0.12) {
        const double progress = at / kLength;
        click(track, at, 0.55, 700.0 + 900.0 * progress);
        at += 1.0 / (10.0 + 32.0 * progress);
    }
    return track;
}

// The reels stop: two heavy clunks, the second one smaller, both within the 100 ms before the
// first letter lights.
Track roll2() {
    Track track(0.2);
    thump(track, 0.0, 1.0, 160.0, 70.0, 0.016);
    click(track, 0.0, 0.5, 500.0);
    thump(track, 0.055, 0.75, 140.0, 60.0, 0.022);
    click(track, 0.055, 0.35, 420.0);
    return track;
}

// A hold is offered: a rising two-bell chime.
Track nn() {
    Track track(0.7);
    track.add(Bell{.start = 0.0, .pitch = pitch(E6), .level = 0.8, .ring = 0.12});
    track.add(Bell{.start = 0.12, .pitch = pitch(G6) * 1.5, .level = 0.7, .ring = 0.14});
    return track;
}

// The jackpot: a brass arpeggio up to a held major chord with vibrato.
Track bingo() {
    Track track(1.6);
    const int arpeggio[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) {
        track.add(Note{.start = 0.12 * i,
                       .length = 0.13,
                       .from = pitch(arpeggio[i]),
                       .partials = kBrass,
                       .level = 0.5,
                       .envelope = {.attack = 0.008, .release = 0.02}});
    }
    for (const int chordNote : {C6, E6, G6}) {
        track.add(Note{.start = 0.48,
                       .length = 1.1,
                       .from = pitch(chordNote),
                       .partials = kBrass,
                       .level = 0.3,
                       .envelope = {.attack = 0.02, .decay = 0.9, .release = 0.3},
                       .vibratoHz = 5.5,
                       .vibratoDepth = 0.006});
    }
    return track;
}

// One short blip gliding up from one note to another, 80 ms.
Track blip(int from, int to, const std::vector<double>& timbre, double decay) {
    constexpr double kLength = 0.08;
    Track track(kLength);
    track.add(Note{.start = 0.0,
                   .length = kLength,
                   .from = pitch(from),
                   .to = pitch(to),
                   .partials = timbre,
                   .level = 0.8,
                   .envelope = {.attack = 0.002, .decay = decay, .release = 0.01}});
    return track;
}

// The bet goes up or down: a reedy blip.
Track bet() {
    return blip(A5, E6, kReedy, 0.04);
}

// A hold button toggles: the two clicks of a switch.
Track hold() {
    Track track(0.09);
    click(track, 0.0, 0.9, 2000.0);
    click(track, 0.04, 0.6, 1400.0);
    return track;
}

// One pass of a held-back reel: a short tick.
Track hold2() {
    Track track(0.06);
    click(track, 0.0, 1.0, 1000.0);
    return track;
}

// A winning line: a quick bright run up to a ringing chord, all of it said within the 200 ms
// before the win meter starts to count.
Track win1() {
    Track track(0.3);
    const int run[] = {C6, E6, G6};
    for (int i = 0; i < 3; ++i) {
        pluck(track, 0.04 * i, 0.08, run[i], 0.6, kBrass);
    }
    for (const int chordNote : {E6, G6, C7}) {
        track.add(Note{.start = 0.12,
                       .length = 0.18,
                       .from = pitch(chordNote),
                       .partials = kSoft,
                       .level = 0.45,
                       .envelope = {.attack = 0.003, .decay = 0.07, .release = 0.06}});
    }
    return track;
}

// The win meter counts: four quick ticks climbing in pitch and a breath, a phrase that the
// blinking win starts again every 200 ms. The ticks come within 100 ms, so that a letter game
// that starts 100 ms after the wheel stops leaves the last phrase whole.
Track meter() {
    Track track(0.15);
    const double pitches[] = {1500.0, 1680.0, 1880.0, 2240.0};
    for (int i = 0; i < 4; ++i) {
        const double at = 0.03 * i;
        track.add(Note{.start = at,
                       .length = 0.04,
                       .from = pitches[i],
                       .partials = kSoft,
                       .level = 0.6,
                       .envelope = {.attack = 0.001, .decay = 0.012, .release = 0.005}});
        track.add(Noise{.start = at, .length = 0.006, .level = 0.25, .brightness = 0.8});
    }
    return track;
}

// The wheel stops on a loss: a descending "wah-wah-wah-waaah".
Track lose() {
    Track track(1.2);
    const int notes[] = {G4, G4 - 1, G4 - 2};
    for (int i = 0; i < 3; ++i) {
        track.add(Note{.start = 0.22 * i,
                       .length = 0.22,
                       .from = pitch(notes[i]),
                       .partials = kBrass,
                       .level = 0.6,
                       .envelope = {.attack = 0.02, .release = 0.03},
                       .wah = true});
    }
    track.add(Note{.start = 0.66,
                   .length = 0.54,
                   .from = pitch(G4 - 3),
                   .to = pitch(G4 - 4),
                   .partials = kBrass,
                   .level = 0.6,
                   .envelope = {.attack = 0.02, .release = 0.12},
                   .vibratoHz = 6.0,
                   .vibratoDepth = 0.012,
                   .wah = true});
    return track;
}

// A letter lights: a bright blip that fits between two letters 100 ms apart.
Track letter() {
    return blip(G6, C7, kSoft, 0.03);
}

// The runners gallop: two rounds of three hoof beats in one second.
Track horse() {
    Track track(1.0);
    for (const double round : {0.0, 0.5}) {
        const double beats[] = {0.0, 0.085, 0.17};
        for (int i = 0; i < 3; ++i) {
            const double level = i == 2 ? 1.0 : 0.7;
            thump(track, round + beats[i], level, 200.0, 90.0);
            click(track, round + beats[i], level * 0.35, 900.0);
        }
    }
    return track;
}

// Plays nothing; starting it cuts off whatever sound is playing.
Track none() {
    return Track(0.03);
}

// The Ladder background: a climbing scale over a bouncing bass, 5 seconds.
Track ladder() {
    Track track(5.0);
    const int bass[] = {C4, G4 - 12, A4 - 12, F4 - 12};
    for (int bar = 0; bar < 5; ++bar) {
        for (int beat = 0; beat < 4; ++beat) {
            const double at = bar * 1.0 + beat * 0.25;
            pluck(track, at, 0.22, bass[bar % 4] - (beat % 2 == 0 ? 12 : 0), 0.45);
        }
    }
    const int scale[] = {C5, D5, E5, F5, G5, A5, B5, C6};
    for (int step = 0; step < 20; ++step) {
        const int rung = step % 10 < 8 ? step % 10 : 7 - (step % 10 - 7);
        pluck(track, step * 0.25, 0.2, scale[rung], 0.3, kSoft);
    }
    return track;
}

// The light on the ladder stops: one clear ding.
Track ladder2() {
    Track track(0.6);
    track.add(Bell{.start = 0.0, .pitch = pitch(A5) * 2.0, .level = 1.0, .ring = 0.1});
    return track;
}

// The High or Low background: a high and a low note by turns over a pulse, 2 seconds.
Track hl() {
    Track track(2.0);
    for (int step = 0; step < 8; ++step) {
        const double at = step * 0.25;
        pluck(track, at, 0.22, step % 2 == 0 ? A5 : A4, 0.35, kReedy);
        thump(track, at, step % 4 == 0 ? 0.5 : 0.25, 110.0, 70.0);
    }
    return track;
}

// The Double Bet background: a quick four-note figure, 0.8 seconds.
Track wl() {
    Track track(0.8);
    const int figure[] = {E5, G5, E5, B5};
    for (int i = 0; i < 4; ++i) {
        pluck(track, 0.2 * i, 0.18, figure[i], 0.45);
        pluck(track, 0.2 * i, 0.18, E4 - 12 + (i == 3 ? 7 : 0), 0.3);
    }
    return track;
}

// The Double Zavri background: three chiming steps over a bass, 0.9 seconds.
Track bl() {
    Track track(0.9);
    const int steps[] = {C6, E6, D5 + 12};
    for (int i = 0; i < 3; ++i) {
        track.add(Bell{.start = 0.3 * i, .pitch = pitch(steps[i]), .level = 0.35, .ring = 0.06});
        pluck(track, 0.3 * i, 0.28, C4 - 12 + (i == 2 ? 7 : 0), 0.5);
    }
    return track;
}

// Double Zavri is lost: a harsh, beating buzz.
Track bl2() {
    Track track(0.8);
    for (const double hz : {110.0, 116.5}) {
        track.add(Note{.start = 0.0,
                       .length = 0.8,
                       .from = hz,
                       .to = hz * 0.85,
                       .partials = kReedy,
                       .level = 0.5,
                       .envelope = {.attack = 0.01, .decay = 0.5, .release = 0.1}});
    }
    return track;
}

// A coin falls into the slot: it rings, bounces twice and lands in the box.
Track coin2() {
    Track track(0.5);
    const double bounces[] = {0.0, 0.085, 0.14};
    const double levels[] = {1.0, 0.5, 0.3};
    for (int i = 0; i < 3; ++i) {
        track.add(Bell{.start = bounces[i], .pitch = 2600.0, .level = levels[i], .ring = 0.05});
        track.add(Noise{
            .start = bounces[i], .length = 0.008, .level = levels[i] * 0.3, .brightness = 0.9});
    }
    thump(track, 0.3, 0.35, 220.0, 120.0);
    return track;
}

}  // namespace

std::vector<Sound> makeSounds() {
    // Loudness, as RMS in dBFS: a win and the jackpot stand out, the backgrounds and the game's
    // events sit below them, a loss or a buzzer is softer still, and the small clicks are quiet.
    constexpr double kWin = -12.0;
    constexpr double kEvent = -16.0;
    constexpr double kBackground = -18.0;
    constexpr double kLoss = -18.0;
    constexpr double kClick = -22.0;
    struct Recipe {
        const char* name;
        Track (*make)();
        double loudness;
    };
    const Recipe recipes[] = {
        {"Roll1", roll1, kBackground},
        {"Roll2", roll2, kEvent},
        {"Nn", nn, kEvent},
        {"Bingo", bingo, kWin},
        {"Bet", bet, kClick},
        {"Hold", hold, kClick},
        {"Hold2", hold2, kClick},
        {"Win1", win1, kWin},
        {"Meter", meter, kClick},
        {"Lose", lose, kLoss},
        {"Letter", letter, kClick},
        {"Horse", horse, kBackground},
        {"None", none, kClick},
        {"Ladder", ladder, kBackground},
        {"Ladder2", ladder2, kEvent},
        {"HL", hl, kBackground},
        {"WL", wl, kBackground},
        {"BL", bl, kBackground},
        {"BL2", bl2, kLoss},
        {"Coin2", coin2, kEvent},
    };
    std::vector<Sound> sounds;
    for (const Recipe& recipe : recipes) {
        sounds.push_back({recipe.name, recipe.make().finish(recipe.loudness)});
    }
    return sounds;
}

}  // namespace assets
