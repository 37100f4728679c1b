#pragma once

#include <string_view>

#include "ui/services.h"

namespace ui {

// The only flag the game passes: play asynchronously, cutting off the sound playing.
inline constexpr int kSndAsync = 1;

// Plays the sound Snd/<name> of the game's data. Failing is silent and changes nothing.
void PlaySnd(Services& services, std::string_view soundName, int soundFlags);

}  // namespace ui
