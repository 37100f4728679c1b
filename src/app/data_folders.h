#pragma once

#include <string>
#include <string_view>

namespace quirvanto {

// The folder that holds the game's data folder `name` ("Snd" or "Img"): the program's own folder
// when the folder is there (a build folder, a copied folder), else the installed data folder
// beside the program's (<prefix>/share/quirvanto for <prefix>/bin/quirvanto), found relative to
// the program so that a moved installation keeps working. When neither holds it, the program's
// folder: every sound or picture is then missing, which the game takes as silence or no picture.
[[nodiscard]] std::string dataFolderHolding(const std::string& programFolder,
                                            std::string_view name);

}  // namespace quirvanto
