// A bare Qt window with the machine window's client size and nothing in it: what the start-up
// benchmark measures the game against, on the same display in the same run.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(448, 418);  // 6720 x 6270 twips
    window.show();
    return QApplication::exec();
}
