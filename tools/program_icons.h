#pragma once

#include <string>

namespace assets {

// The pixel sizes of the program icon in the icon theme.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// Writes <theme folder>/<n>x<n>/apps/<icon name>.png for every size, and the same drawing as
// shapes in <theme folder>/scalable/apps/<icon name>.svg; false when one cannot be written.
[[nodiscard]] bool writeProgramIcons(const std::string& themeFolder, const std::string& iconName);

}  // namespace assets
