#include "odds/tally.h"

namespace odds {

void Tally::merge(const Tally& other) {
    spins += other.spins;
    bet += other.bet;
    returned += other.returned;
    returnBets += other.returnBets;
    returnBetsSquared += other.returnBetsSquared;
    winningSpins += other.winningSpins;
    payingSpins += other.payingSpins;
    for (std::size_t i = 0; i < lineWins.size(); ++i) {
        lineWins[i] += other.lineWins[i];
        lineWinsAsDrawn[i] += other.lineWinsAsDrawn[i];
    }
    holdsOffered += other.holdsOffered;
    heldGridBets += other.heldGridBets;
    secondSpinBets += other.secondSpinBets;
    for (std::size_t i = 0; i < wheelStops.size(); ++i) {
        wheelStops[i] += other.wheelStops[i];
        fieldGames[i].merge(other.fieldGames[i]);
    }
    nineLetters.merge(other.nineLetters);
    sessionSpins.insert(sessionSpins.end(), other.sessionSpins.begin(), other.sessionSpins.end());
    sessionsStillPlaying += other.sessionsStillPlaying;
}

}  // namespace odds
