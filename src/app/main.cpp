#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "app/program.h"
#include "media/picture_files.h"
#include "media/sdl_sound_player.h"
#include "ui/qt/qt_host_factory.h"
#include "ui/qt/qt_message_boxes.h"
#include "ui/qt/qt_picture.h"
#include "ui/qt/qt_scheduler.h"
#include "ui/qt/qt_terminator.h"
#include "ui/qt/qt_text_measure.h"
#include "ui/time_of_day.h"
#include "ui/uniform_random.h"

namespace {

// Qt aborts when it cannot reach a display; say so plainly instead.
bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
    if (!hasDisplay()) {
        std::fputs("quirvanto: no display to show the game on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quirvanto"));
    // The game ends the program itself, from the title window, whatever windows are open.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    ui::qt::QtScheduler scheduler;
    ui::qt::QtMessageBoxes messages;
    quirvanto::SdlSoundPlayer sound(programFolder);
    quirvanto::PictureFiles pictures(programFolder);
    ui::UniformRandom random;
    ui::TimeOfDay clock;
    ui::qt::QtTextMeasure measure;
    ui::qt::QtHostFactory hosts;
    ui::qt::QtTerminator terminator;
    ui::Services services{scheduler, messages, sound, pictures,  random,
                          clock,     measure,  hosts, terminator};

    const ui::Picture icon = pictures.design(ui::DesignPicture::ProgramIcon);
    if (const auto* drawn = dynamic_cast<const ui::qt::QtPicture*>(icon.get())) {
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(drawn->image())));
    }

    quirvanto::Program program(services);
    program.start();
    if (program.ended()) {
        return 0;
    }
    return QApplication::exec();
}
