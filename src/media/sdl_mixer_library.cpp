#include "media/sdl_mixer_library.h"

#include <dlfcn.h>

#include <memory>

namespace quirvanto {

namespace {

constexpr const char* kLibrary = "libSDL2_mixer-2.0.so.0";

template <typename Function>
bool find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// The library and its functions, or null. SDL's own functions are found through SDL2_mixer,
// which depends on SDL.
std::unique_ptr<SdlMixerLibrary> load() {
    void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return nullptr;
    }
    auto l = std::make_unique<SdlMixerLibrary>();
    const bool found = find(library, "SDL_SetHint", l->setHint) &&
                       find(library, "SDL_InitSubSystem", l->initSubSystem) &&
                       find(library, "SDL_QuitSubSystem", l->quitSubSystem) &&
                       find(library, "SDL_RWFromConstMem", l->rwFromConstMem) &&
                       find(library, "Mix_OpenAudio", l->openAudio) &&
                       find(library, "Mix_CloseAudio", l->closeAudio) &&
                       find(library, "Mix_AllocateChannels", l->allocateChannels) &&
                       find(library, "Mix_LoadWAV_RW", l->loadWavRw) &&
                       find(library, "Mix_FreeChunk", l->freeChunk) &&
                       find(library, "Mix_HaltChannel", l->haltChannel) &&
                       find(library, "Mix_PlayChannelTimed", l->playChannelTimed);
    // The library stays loaded for the life of the program: SDL keeps threads of its own.
    return found ? std::move(l) : nullptr;
}

}  // namespace

const SdlMixerLibrary* SdlMixerLibrary::get() {
    static const std::unique_ptr<SdlMixerLibrary> library = load();
    return library.get();
}

}  // namespace quirvanto
