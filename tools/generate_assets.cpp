#include <cstdio>
#include <string>

#include <QDir>
#include <QGuiApplication>

#include "prerendered_source.h"
#include "program_icons.h"
#include "sounds.h"
#include "synth.h"
#include "tile_pictures.h"
#include "wav_file.h"

// Makes the game's sounds (<dir>/Snd/<name>.wav) and tile pictures (<dir>/Img/<value>.png), and
// the program icon in every size of the icon theme (<theme>/<n>x<n>/apps/<icon name>.png) and
// as a scalable one (<theme>/scalable/apps/<icon name>.svg), and the C++ source that carries the
// design pictures into the program (<prerendered source>).
// Runs at build time, without a display.
int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: quirvanto_assets <output folder> <icon theme folder> <icon name> "
                     "<prerendered source>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);

    const std::string out = argv[1];
    if (!QDir().mkpath(QString::fromStdString(out + "/Snd")) ||
        !QDir().mkpath(QString::fromStdString(out + "/Img"))) {
        std::fprintf(stderr, "quirvanto_assets: cannot create the folders in %s\n", out.c_str());
        return 1;
    }
    for (const assets::Sound& sound : assets::makeSounds()) {
        const std::string path = out + "/Snd/" + sound.name + ".wav";
        if (!assets::writeWav(path, sound.samples, assets::kSampleRate)) {
            std::fprintf(stderr, "quirvanto_assets: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    for (int value = 1; value <= 9; ++value) {
        const std::string path = out + "/Img/" + std::to_string(value) + ".png";
        if (!assets::drawNumberTile(value).save(QString::fromStdString(path), "PNG")) {
            std::fprintf(stderr, "quirvanto_assets: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    if (!assets::writeProgramIcons(argv[2], argv[3])) {
        std::fprintf(stderr, "quirvanto_assets: cannot write the icons in %s\n", argv[2]);
        return 1;
    }
    if (!assets::writePrerenderedSource(argv[4])) {
        std::fprintf(stderr, "quirvanto_assets: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
