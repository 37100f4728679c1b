#include <QDir>
#include <QFile>

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out + "/Snd");
    QDir().mkpath(out + "/Img");
    QFile(out + "/Snd/Roll1.wav").open(QIODevice::WriteOnly);
    QFile(out + "/Img/1.png").open(QIODevice::WriteOnly);
    return 0;
}
