#pragma once

#include <array>

namespace quirvanto {

// The five bonus games, each in a window of its own.
enum class BonusGame { HorseRacing, Ladder, HighOrLow, DoubleBet, DoubleZavri };
inline constexpr std::array<BonusGame, 5> kBonusGames{BonusGame::HorseRacing, BonusGame::Ladder,
                                                      BonusGame::HighOrLow, BonusGame::DoubleBet,
                                                      BonusGame::DoubleZavri};

}  // namespace quirvanto
