#pragma once

#include <cstdint>

#include "ui/services.h"

namespace ui {

// The program's generator: 64-bit state, uniform values in [0, 1). Reseeding mixes the time of
// day into the current state, so two reseeds within the same millisecond still give new draws.
class UniformRandom final : public Random {
public:
    explicit UniformRandom(std::uint64_t seed = 0x5175697276616e74ULL) : state_(seed) {}
    [[nodiscard]] double next() override;
    void reseed(double secondsSinceMidnight) override;

private:
    std::uint64_t state_;
};

}  // namespace ui
