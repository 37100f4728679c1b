#include "media/play_snd.h"

namespace quirvanto {

void PlaySnd(ui::Services& services, std::string_view soundName, int /*soundFlags*/) {
    services.sound.play(soundName);
}

}  // namespace quirvanto
