#pragma once

#include <cstdint>

#include "ui/scheduler.h"

namespace quirvanto {

// A spin's roll: one tile changes each tick of a nominal 1 ms timer, which ticks at the fastest
// timer rate, for 241 ticks.
inline constexpr int kRollTicks = 241;
inline constexpr std::int64_t kRollMs = std::int64_t{kRollTicks} * ui::kFastestTimerMs;

}  // namespace quirvanto
