#include "odds/report.h"

#include <cstdio>

namespace odds {

namespace {

std::string format(const char* pattern, auto... values) {
    const int size = std::snprintf(nullptr, 0, pattern, values...);
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern, values...);
    text.pop_back();
    return text;
}

std::string percent(double share) {
    return format("%.1f %%", 100.0 * share);
}

std::string spinsOrMore(const std::optional<std::int64_t>& spins) {
    return spins ? std::to_string(*spins)
                 : format("over %lld", static_cast<long long>(kSessionSpinLimit));
}

}  // namespace

std::string describePlayer(const PlayerOptions& player) {
    return format(
        "The model player stops every running light at a random moment, holds the columns that\n"
        "give the second spin the highest expected line win, guesses High or Low by the number\n"
        "shown, presses Go! %.3g times a second in Horse racing, and keeps its bet of %lld.\n",
        player.goPerSecond, static_cast<long long>(player.bet));
}

std::string formatReport(const Figures& f, const RunOptions& options) {
    std::string out = format(
        "Quirvanto odds: %lld spins at bet %lld, seed %llu\n", static_cast<long long>(f.spins),
        static_cast<long long>(options.player.bet), static_cast<unsigned long long>(options.seed));
    out += describePlayer(options.player);
    out += "\n";
    out += format("Return to player   %.3f credits per credit bet (95 %% interval %.3f to %.3f)\n",
                  f.returnPerCredit, f.returnInterval.low, f.returnInterval.high);
    out += format("A spin wins        a line on %s of spins; %s pay back anything\n",
                  percent(f.winningSpins).c_str(), percent(f.payingSpins).c_str());
    out += "Line win          ";
    const char* separator = " ";
    for (std::size_t bets = 0; bets < f.lineWins.size(); ++bets) {
        if (f.lineWins[bets] > 0) {
            out += format("%s%zu bet%s %s", separator, bets, bets == 1 ? "" : "s",
                          percent(f.lineWins[bets]).c_str());
            separator = ", ";
        }
    }
    out += "\n";
    out += format(
        "Hold offered       %s of spins: the grid shown pays %.2f bets, the second spin "
        "%.2f\n",
        percent(f.holdsOffered).c_str(), f.heldGridBets, f.secondSpinBets);
    out += "\n| Wheel field | stops |\n|---|---:|\n";
    for (const FieldFigure& field : f.fields) {
        out += format("| %s | %s |\n", field.name.c_str(), percent(field.share).c_str());
    }
    out += "\n| Game | played per 100 spins | share of the return |\n|---|---:|---:|\n";
    for (const GameFigure& game : f.games) {
        out += format("| %s | %.2f | %s |\n", game.name.c_str(), 100.0 * game.playedPerSpin,
                      percent(game.shareOfReturn).c_str());
    }
    out += format(
        "\nSessions from %lld credits at bet %lld (%lld sessions): median %s spins, "
        "quartiles %s to %s;\n%s still playing after %lld spins\n",
        static_cast<long long>(sessionCredits(options.player.bet)),
        static_cast<long long>(options.player.bet), static_cast<long long>(f.sessions),
        spinsOrMore(f.sessionMedian).c_str(), spinsOrMore(f.sessionQuartile1).c_str(),
        spinsOrMore(f.sessionQuartile3).c_str(), percent(f.stillPlaying).c_str(),
        static_cast<long long>(kSessionSpinLimit));
    return out;
}

}  // namespace odds
