#include "media/sdl_library.h"

#include <dlfcn.h>

#include <memory>

namespace quirvanto {

namespace {

constexpr const char* kLibrary = "libSDL2-2.0.so.0";

template <typename Function>
bool find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// The library and its functions, or null.
std::unique_ptr<SdlLibrary> load() {
    void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return nullptr;
    }
    auto l = std::make_unique<SdlLibrary>();
    const bool found = find(library, "SDL_SetHint", l->setHint) &&
                       find(library, "SDL_InitSubSystem", l->initSubSystem) &&
                       find(library, "SDL_QuitSubSystem", l->quitSubSystem) &&
                       find(library, "SDL_RWFromConstMem", l->rwFromConstMem) &&
                       find(library, "SDL_LoadWAV_RW", l->loadWavRw) &&
                       find(library, "SDL_FreeWAV", l->freeWav) &&
                       find(library, "SDL_BuildAudioCVT", l->buildAudioCvt) &&
                       find(library, "SDL_ConvertAudio", l->convertAudio) &&
                       find(library, "SDL_OpenAudioDevice", l->openAudioDevice) &&
                       find(library, "SDL_CloseAudioDevice", l->closeAudioDevice) &&
                       find(library, "SDL_PauseAudioDevice", l->pauseAudioDevice) &&
                       find(library, "SDL_LockAudioDevice", l->lockAudioDevice) &&
                       find(library, "SDL_UnlockAudioDevice", l->unlockAudioDevice);
    // The library stays loaded for the life of the program: SDL keeps threads of its own.
    return found ? std::move(l) : nullptr;
}

}  // namespace

const SdlLibrary* SdlLibrary::get() {
    static const std::unique_ptr<SdlLibrary> library = load();
    return library.get();
}

}  // namespace quirvanto
