#pragma once

#include <SDL.h>

namespace quirvanto {

// The few SDL calls the sound player makes, found in the library when it is first needed rather
// than when the program starts: SDL brings the client libraries of the sound servers, and loading
// them at start-up would hold back the first window.
struct SdlLibrary {
    // The library, loaded on the first call; null when it cannot be loaded. Safe to call from
    // any thread.
    [[nodiscard]] static const SdlLibrary* get();

    decltype(&SDL_SetHint) setHint;
    decltype(&SDL_InitSubSystem) initSubSystem;
    decltype(&SDL_QuitSubSystem) quitSubSystem;
    decltype(&SDL_RWFromConstMem) rwFromConstMem;
    decltype(&SDL_LoadWAV_RW) loadWavRw;
    decltype(&SDL_FreeWAV) freeWav;
    decltype(&SDL_BuildAudioCVT) buildAudioCvt;
    decltype(&SDL_ConvertAudio) convertAudio;
    decltype(&SDL_OpenAudioDevice) openAudioDevice;
    decltype(&SDL_CloseAudioDevice) closeAudioDevice;
    decltype(&SDL_PauseAudioDevice) pauseAudioDevice;
    decltype(&SDL_LockAudioDevice) lockAudioDevice;
    decltype(&SDL_UnlockAudioDevice) unlockAudioDevice;
};

}  // namespace quirvanto
