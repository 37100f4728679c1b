#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "app/after_first_frame.h"
#include "app/program.h"
#include "app/real_services.h"
#include "ui/qt/qt_picture.h"
#include "ui/qt/qt_quit_requests.h"

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

    quirvanto::RealServices real(QCoreApplication::applicationDirPath().toStdString());

    const ui::Picture icon = real.pictures().design(ui::DesignPicture::ProgramIcon);
    if (const auto* drawn = dynamic_cast<const ui::qt::QtPicture*>(icon.get())) {
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(drawn->image())));
    }

    quirvanto::Program program(real.services());
    const ui::qt::QuitRequests quitRequests(program);
    // The sound gets ready on a thread of its own once the machine window is on the screen.
    const quirvanto::AfterFirstFrame soundAfterFirstFrame([&real] { real.sound().startLoading(); });
    program.start();
    if (program.ended()) {
        return 0;
    }
    return QApplication::exec();
}
