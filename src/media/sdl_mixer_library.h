#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace quirvanto {

// The few SDL and SDL2_mixer calls the sound player makes, found in the library when it is first
// needed rather than when the program starts: SDL2_mixer brings some forty shared libraries of
// its own (decoders for formats the game never plays, a MIDI synthesizer, sound servers), and
// loading them at start-up would hold back the first window.
struct SdlMixerLibrary {
    // The library, loaded on the first call; null when it cannot be loaded. Safe to call from
    // any thread.
    [[nodiscard]] static const SdlMixerLibrary* get();

    decltype(&SDL_SetHint) setHint;
    decltype(&SDL_InitSubSystem) initSubSystem;
    decltype(&SDL_QuitSubSystem) quitSubSystem;
    decltype(&SDL_RWFromConstMem) rwFromConstMem;
    decltype(&Mix_OpenAudio) openAudio;
    decltype(&Mix_CloseAudio) closeAudio;
    decltype(&Mix_AllocateChannels) allocateChannels;
    decltype(&Mix_LoadWAV_RW) loadWavRw;
    decltype(&Mix_FreeChunk) freeChunk;
    decltype(&Mix_HaltChannel) haltChannel;
    decltype(&Mix_PlayChannelTimed) playChannelTimed;
};

}  // namespace quirvanto
