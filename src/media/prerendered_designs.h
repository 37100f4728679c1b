#pragma once

#include "ui/services.h"

namespace quirvanto {

// A design picture as the build drew it: premultiplied ARGB, 32-bit pixels in the byte order of
// the machine that built it (the machine it runs on), rows one after the other, and the point a
// pointer picture points with, in logical pixels from its top-left corner ((0, 0) for a picture
// that is no pointer).
struct PrerenderedPicture {
    int width = 0;
    int height = 0;
    int hotSpotX = 0;
    int hotSpotY = 0;
    const unsigned char* pixels = nullptr;
};

// Every design picture, in the order of ui::DesignPicture, drawn by quirvanto_assets at build time.
extern const PrerenderedPicture kPrerenderedPictures[ui::kDesignPictureCount];

// The design picture the build drew, at the device pixel ratio it was drawn at and with its hot
// spot: the program starts without spending its first frame's time on drawing them (fonts
// included), and holds none of the drawing.
[[nodiscard]] ui::Picture prerenderedDesign(ui::DesignPicture which);

}  // namespace quirvanto
