#pragma once

#include <string>

#include "odds/figures.h"
#include "odds/odds_run.h"

namespace quirvanto {

// Draws the odds report's two pictures in one file, SVG by its name, else PNG: how long sessions
// from the first coins last, and where the return comes from. Needs no display.
[[nodiscard]] bool drawOddsPlot(const odds::Figures& figures, const odds::RunOptions& options,
                                const std::string& file, std::string& error);

}  // namespace quirvanto
