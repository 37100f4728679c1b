#pragma once

#include <QImage>

#include "ui/services.h"

namespace quirvanto {

// A design picture as the build drew it: premultiplied ARGB, 32-bit pixels in the byte order of
// the machine that built it (the machine it runs on), rows one after the other.
struct PrerenderedPicture {
    int width = 0;
    int height = 0;
    const unsigned char* pixels = nullptr;
};

// Every design picture, in the order of ui::DesignPicture, drawn by quirvanto_assets at build time
// with the game's own drawing code.
extern const PrerenderedPicture kPrerenderedPictures[ui::kDesignPictureCount];

// The design picture the build drew, at the device pixel ratio it was drawn at: the program starts
// without spending its first frame's time on drawing them (fonts included).
[[nodiscard]] QImage prerenderedDesign(ui::DesignPicture which);

}  // namespace quirvanto
