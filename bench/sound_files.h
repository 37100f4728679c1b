#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace bench {

// The names of the sound files of a program's Snd folder, in order. Listed without QDir's name
// filters, which compile a regular expression and so would load a library the game never does.
inline std::vector<std::string> soundsIn(const std::string& programFolder) {
    std::vector<std::string> names;
    std::error_code noFolder;
    for (const auto& entry :
         std::filesystem::directory_iterator(programFolder + "/Snd", noFolder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".wav") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace bench
