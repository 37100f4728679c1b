#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

struct Sound {
    std::string name;                   // the game's name: the file is Snd/<name>.wav
    std::vector<std::int16_t> samples;  // mono, kSampleRate
};

// Every sound of the game, synthesised.
[[nodiscard]] std::vector<Sound> makeSounds();

}  // namespace assets
