// The real program, with its real windows, services and clock, taken through a session that
// plays every sound of the game: a spin, each bonus game opened from the wheel and left with ESC
// a while later, every sound of its Snd folder, and the title with a coin. The rest bench
// measures its peak memory against a bare window's; it ends by itself.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <functional>

#include "app/after_first_frame.h"
#include "app/program.h"
#include "app/real_services.h"
#include "bonus/form2.h"
#include "bonus/form3.h"
#include "bonus/form4.h"
#include "bonus/form5.h"
#include "bonus/form7.h"
#include "machine/form1.h"
#include "title/form6.h"
#include "ui/qt/qt_picture.h"

namespace {

constexpr int kFirstSpinMs = 1000;
constexpr int kFirstBonusMs = 6000;
constexpr int kBonusPlayedMs = 1500;
constexpr int kSoundPlayedMs = 200;
constexpr int kTitleShownMs = 1000;

// The wheel's bonus fields and their windows.
struct BonusGame {
    int field;
    ui::Window& (*window)(quirvanto::Program&);
};
const BonusGame kBonusGames[] = {
    {0, [](quirvanto::Program& p) -> ui::Window& { return p.form2(); }},
    {1, [](quirvanto::Program& p) -> ui::Window& { return p.form3(); }},
    {2, [](quirvanto::Program& p) -> ui::Window& { return p.form4(); }},
    {3, [](quirvanto::Program& p) -> ui::Window& { return p.form5(); }},
    {10, [](quirvanto::Program& p) -> ui::Window& { return p.form7(); }},
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quirvanto"));
    QApplication::setQuitOnLastWindowClosed(false);
    quirvanto::RealServices real(QCoreApplication::applicationDirPath().toStdString());
    const ui::Picture icon = real.pictures().design(ui::DesignPicture::ProgramIcon);
    if (const auto* drawn = dynamic_cast<const ui::qt::QtPicture*>(icon.get())) {
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(drawn->image())));
    }
    quirvanto::Program program(real.services());
    const quirvanto::AfterFirstFrame soundAfterFirstFrame([&real] { real.sound().startLoading(); });
    program.start();
    quirvanto::Form1& machine = program.form1();

    int at = kFirstSpinMs;
    const auto then = [&at](int after, const std::function<void()>& step) {
        QTimer::singleShot(at, step);
        at += after;
    };
    then(kFirstBonusMs - kFirstSpinMs, [&] {
        machine.Label2_Click();
        machine.Label1_Click();
    });
    for (const BonusGame& bonus : kBonusGames) {
        then(kBonusPlayedMs, [&machine, bonus] {
            machine.Win1.setCaption("10");
            machine.Game[bonus.field].setForeColour(ui::kWhite);
            machine.Label4_Click();
        });
        then(kBonusPlayedMs,
             [&program, bonus] { bonus.window(program).keyPress(ui::key::kEscape); });
    }
    const QStringList sounds = QDir(QCoreApplication::applicationDirPath() + "/Snd")
                                   .entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    for (const QString& sound : sounds) {
        then(kSoundPlayedMs, [&real, name = QFileInfo(sound).completeBaseName().toStdString()] {
            real.sound().play(name);
        });
    }
    then(kTitleShownMs, [&machine] { machine.requestClose(); });
    then(kTitleShownMs, [&program] { program.form6().keyDown(ui::key::kDigit5); });
    then(0, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}
