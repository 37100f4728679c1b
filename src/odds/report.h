#pragma once

#include <string>

#include "odds/figures.h"
#include "odds/odds_run.h"

namespace odds {

// Who played: the model player's rules as the report and the manual name them.
[[nodiscard]] std::string describePlayer(const PlayerOptions& player);

// The report as `quirvanto --odds` prints it.
[[nodiscard]] std::string formatReport(const Figures& figures, const RunOptions& options);

}  // namespace odds
