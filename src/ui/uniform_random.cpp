#include "ui/uniform_random.h"

#include <bit>

namespace ui {

namespace {
// splitmix64: a full-period 64-bit step with a strong output mix.
std::uint64_t mix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31U);
}
}  // namespace

double UniformRandom::next() {
    // 53 random bits make every double in [0, 1) with a 2^-53 step.
    return static_cast<double>(mix(state_) >> 11U) * 0x1.0p-53;
}

void UniformRandom::reseed(double secondsSinceMidnight) {
    state_ ^= std::bit_cast<std::uint64_t>(secondsSinceMidnight);
    (void)mix(state_);
}

}  // namespace ui
