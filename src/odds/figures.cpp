#include "odds/figures.h"

#include <algorithm>
#include <cmath>

#include "odds/model_player.h"

namespace odds {

namespace {

constexpr double kZ95 = 1.959964;

double share(double part, double whole) {
    return whole > 0 ? part / whole : 0.0;
}

// The session length at a share of all sessions, those still playing counted as longest.
std::optional<std::int64_t> quantile(const std::vector<std::int64_t>& sortedEnded,
                                     std::int64_t stillPlaying, double at) {
    const auto all = static_cast<std::int64_t>(sortedEnded.size()) + stillPlaying;
    if (all == 0) {
        return std::nullopt;
    }
    const auto rank = std::min(all - 1, static_cast<std::int64_t>(at * static_cast<double>(all)));
    if (rank >= static_cast<std::int64_t>(sortedEnded.size())) {
        return std::nullopt;
    }
    return sortedEnded[static_cast<std::size_t>(rank)];
}

void addFields(Figures& figures, const Tally& tally, const Names& names) {
    std::int64_t stops = 0;
    for (const std::int64_t s : tally.wheelStops) {
        stops += s;
    }
    for (std::size_t i = 0; i < names.fields.size(); ++i) {
        const double part =
            share(static_cast<double>(tally.wheelStops[i]), static_cast<double>(stops));
        auto same = std::find_if(figures.fields.begin(), figures.fields.end(),
                                 [&](const FieldFigure& f) { return f.name == names.fields[i]; });
        if (same != figures.fields.end()) {
            same->share += part;
        } else {
            figures.fields.push_back({names.fields[i], part});
        }
    }
}

void addGames(Figures& figures, const Tally& tally, const Names& names) {
    const auto spins = static_cast<double>(tally.spins);
    const auto returned = static_cast<double>(tally.returned);
    figures.games.push_back({names.nineLetters,
                             share(static_cast<double>(tally.nineLetters.played), spins),
                             share(static_cast<double>(tally.nineLetters.returned), returned)});
    for (const FieldFigure& field : figures.fields) {
        GameTally game;
        for (std::size_t i = 0; i < names.fields.size(); ++i) {
            if (names.fields[i] == field.name) {
                game.merge(tally.fieldGames[i]);
            }
        }
        if (game.played > 0) {
            figures.games.push_back({field.name, share(static_cast<double>(game.played), spins),
                                     share(static_cast<double>(game.returned), returned)});
        }
    }
}

void addSessions(Figures& figures, const Tally& tally) {
    std::vector<std::int64_t> ended = tally.sessionSpins;
    std::sort(ended.begin(), ended.end());
    figures.sessions = static_cast<std::int64_t>(ended.size()) + tally.sessionsStillPlaying;
    figures.sessionQuartile1 = quantile(ended, tally.sessionsStillPlaying, 0.25);
    figures.sessionMedian = quantile(ended, tally.sessionsStillPlaying, 0.5);
    figures.sessionQuartile3 = quantile(ended, tally.sessionsStillPlaying, 0.75);
    figures.stillPlaying = share(static_cast<double>(tally.sessionsStillPlaying),
                                 static_cast<double>(figures.sessions));
    auto next = ended.begin();
    for (std::int64_t spin = 0; spin <= kSessionSpinLimit; ++spin) {
        while (next != ended.end() && *next <= spin) {
            ++next;
        }
        const auto playing = static_cast<double>(ended.end() - next) +
                             static_cast<double>(tally.sessionsStillPlaying);
        figures.survival.push_back(share(playing, static_cast<double>(figures.sessions)));
    }
}

}  // namespace

Figures figuresOf(const Tally& tally, const Names& names) {
    Figures figures;
    const auto spins = static_cast<double>(tally.spins);
    figures.spins = tally.spins;
    figures.returnPerCredit =
        share(static_cast<double>(tally.returned), static_cast<double>(tally.bet));
    const double mean = share(tally.returnBets, spins);
    const double variance = std::max(0.0, share(tally.returnBetsSquared, spins) - mean * mean);
    const double halfWidth = spins > 1 ? kZ95 * std::sqrt(variance / (spins - 1)) : 0.0;
    figures.returnInterval = {figures.returnPerCredit - halfWidth,
                              figures.returnPerCredit + halfWidth};
    figures.winningSpins = share(static_cast<double>(tally.winningSpins), spins);
    figures.payingSpins = share(static_cast<double>(tally.payingSpins), spins);
    for (std::size_t i = 0; i < tally.lineWins.size(); ++i) {
        figures.lineWins[i] = share(static_cast<double>(tally.lineWins[i]), spins);
    }
    figures.holdsOffered = share(static_cast<double>(tally.holdsOffered), spins);
    figures.heldGridBets = share(tally.heldGridBets, static_cast<double>(tally.holdsOffered));
    figures.secondSpinBets = share(tally.secondSpinBets, static_cast<double>(tally.holdsOffered));
    addFields(figures, tally, names);
    addGames(figures, tally, names);
    addSessions(figures, tally);
    return figures;
}

}  // namespace odds
