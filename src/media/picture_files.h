#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ui/services.h"

namespace quirvanto {

// The pictures of the game: the tile files <program folder>/Img/<name>.png, and the design
// pictures of the layouts, which the build drew into the program. Each is decoded or taken once
// and then shared: asking again gives the same ui::qt::QtPicture. A file that is missing or cannot
// be decoded gives null, and keeps giving null for the rest of the run (the files do not change
// while the game runs). Every picture is 32 x 32 logical pixels: a 64 x 64 file or drawing
// carries a device pixel ratio of 2, so it stays crisp on a 2x screen. A larger file is decoded
// straight to the tile's device pixels (64 x 64, more on a screen of a higher ratio), so it holds
// no more memory than our own. Only a regular file of at most 128 MB is read: a FIFO, a device or
// a folder in its place is a missing picture.
class PictureFiles final : public ui::PictureSource {
public:
    explicit PictureFiles(std::string programFolder);

    [[nodiscard]] ui::Picture file(std::string_view name) override;
    [[nodiscard]] ui::Picture design(ui::DesignPicture which) override;

private:
    std::string pictureFolder_;
    std::unordered_map<std::string, ui::Picture> files_;
    std::map<ui::DesignPicture, ui::Picture> designs_;
};

}  // namespace quirvanto
