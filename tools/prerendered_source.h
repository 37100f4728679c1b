#pragma once

#include <string>

namespace assets {

// Writes the C++ source that defines quirvanto::kPrerenderedPictures: every design picture drawn
// now, with the game's own drawing code, so that the program need not draw them as it starts.
// False when the file cannot be written.
[[nodiscard]] bool writePrerenderedSource(const std::string& path);

}  // namespace assets
