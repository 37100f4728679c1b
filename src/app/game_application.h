#pragma once

#include "media/sdl_sound_player.h"
#include "ui/services.h"

namespace quirvanto {

// Makes the running QApplication the game in the desktop's eyes, for the program and for the
// builds of it that the tests run: its name and version, its desktop id (the app id or WM_CLASS
// of its windows, which ties them to the menu entry), the program icon, which message boxes show,
// and no quitting when the last window closes, as the game ends the program itself.
void presentAsTheGame(ui::PictureSource& pictures);

// How the sound server's mixer lists the game: the same name and icon as the desktop gives it.
// Known before the application is presented, as the sound player is made first.
[[nodiscard]] SoundServerListing soundServerListing();

}  // namespace quirvanto
