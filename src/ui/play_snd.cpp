#include "ui/play_snd.h"

namespace ui {

void PlaySnd(Services& services, std::string_view soundName, int /*soundFlags*/) {
    services.sound.play(soundName);
}

}  // namespace ui
