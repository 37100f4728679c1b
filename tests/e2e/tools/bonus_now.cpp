#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <string>

#include "app/game_application.h"
#include "app/program.h"
#include "app/real_services.h"
#include "machine/form1.h"
#include "machine/wheel_fields.h"

// The real program with its real windows, services and clock, whose first act is the wheel's
// Stop on a given field with a given win, so an end-to-end test reaches a bonus game without
// waiting for luck:
//   bonus_now <field 0..11> <win> [top]
// The usage lists the fields. With "top" the player first drags the machine to the top left
// corner of the screen.
namespace {

constexpr int kMoveAfterMs = 300;
constexpr int kStopAfterMs = 900;

QWidget* machineWidget() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == QStringLiteral("Quirvanto")) {
            return widget;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 || (argc == 4 && std::string(argv[3]) != "top")) {
        std::fputs("usage: bonus_now <field 0..11> <win> [top]\nfields:\n", stderr);
        for (std::size_t i = 0; i < quirvanto::kWheelFields.size(); ++i) {
            std::fprintf(stderr, "  %zu %s\n", i,
                         std::string(quirvanto::kWheelFields[i].caption).c_str());
        }
        return 2;
    }
    const int field = std::stoi(argv[1]);
    const std::string win = argv[2];
    const bool toTheTop = argc == 4;

    QApplication application(argc, argv);
    quirvanto::RealServices real(QCoreApplication::applicationDirPath().toStdString());
    quirvanto::presentAsTheGame(real.pictures());

    quirvanto::Program program(real.services());
    program.start();
    quirvanto::Form1& machine = program.form1();
    if (toTheTop) {
        QTimer::singleShot(kMoveAfterMs, [] {
            if (QWidget* widget = machineWidget()) {
                widget->move(widget->screen()->availableGeometry().topLeft());
            }
        });
    }
    // Once the machine is on the screen, as a player would see it before the Stop.
    QTimer::singleShot(kStopAfterMs, [&] {
        machine.Win1.setCaption(win);
        machine.Game[field].setForeColour(ui::kWhite);
        machine.Label4_Click();
    });
    return QApplication::exec();
}
