#include "app/game_application.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "ui/qt/qt_picture.h"

namespace quirvanto {

namespace {

constexpr char kGameName[] = "Quirvanto";

}  // namespace

SoundServerListing soundServerListing() {
    return {kGameName, QUIRVANTO_ID};
}

void presentAsTheGame(ui::PictureSource& pictures) {
    QApplication::setApplicationName(QString::fromUtf8(kGameName));
    QApplication::setApplicationVersion(QStringLiteral(QUIRVANTO_VERSION));
    // The window, its app id / WM_CLASS and the menu entry belong together.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUIRVANTO_ID));
    // The game ends the program itself, from the title window, whatever windows are open.
    QApplication::setQuitOnLastWindowClosed(false);
    // The game windows show their layout's icon; the message boxes show the program's.
    const ui::Picture icon = pictures.design(ui::DesignPicture::ProgramIcon);
    if (const auto* drawn = dynamic_cast<const ui::qt::QtPicture*>(icon.get())) {
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(drawn->image())));
    }
}

}  // namespace quirvanto
