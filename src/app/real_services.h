#pragma once

#include <string>

#include "media/picture_files.h"
#include "media/sdl_sound_player.h"
#include "ui/qt/qt_host_factory.h"
#include "ui/qt/qt_message_boxes.h"
#include "ui/qt/qt_scheduler.h"
#include "ui/qt/qt_terminator.h"
#include "ui/qt/qt_text_measure.h"
#include "ui/services.h"
#include "ui/time_of_day.h"
#include "ui/uniform_random.h"

namespace quirvanto {

// The outside services of the real program: Qt windows and timers, SDL sound, the game's sounds
// and pictures (beside the program or in its installed data folder), the time of day. Needs a
// QApplication.
class RealServices {
public:
    explicit RealServices(const std::string& programFolder);
    RealServices(const RealServices&) = delete;
    RealServices& operator=(const RealServices&) = delete;

    [[nodiscard]] ui::Services& services() { return services_; }
    [[nodiscard]] PictureFiles& pictures() { return pictures_; }
    [[nodiscard]] SdlSoundPlayer& sound() { return sound_; }

private:
    ui::qt::QtScheduler scheduler_;
    ui::qt::QtMessageBoxes messages_;
    SdlSoundPlayer sound_;
    PictureFiles pictures_;
    ui::UniformRandom random_;
    ui::TimeOfDay clock_;
    ui::qt::QtTextMeasure measure_;
    ui::qt::QtHostFactory hosts_;
    ui::qt::QtTerminator terminator_;
    ui::Services services_;
};

}  // namespace quirvanto
