#pragma once

#include <string>

#include "odds/figures.h"
#include "odds/odds_run.h"

// `quirvanto --odds [--spins N] [--seed S] [--bet B] [--go-rate R] [--plot FILE]`: plays the
// model player on the real game with no display and no sound and prints the report.
namespace odds {

[[nodiscard]] bool oddsWanted(int argc, char** argv);

// Draws the report's pictures into a file; false, with a reason, when it cannot.
using PlotDrawer = bool (*)(const Figures& figures, const RunOptions& options,
                            const std::string& file, std::string& error);

// The exit status: 0 once the report is printed, 2 for a command line it cannot read, 1 when
// the game stops answering the player or the plot cannot be written.
[[nodiscard]] int oddsCommand(int argc, char** argv, PlotDrawer drawPlot);

}  // namespace odds
