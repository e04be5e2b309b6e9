#include "panelwick/Mm/SdlAudio.h"

#include <SDL2/SDL.h>

#include "panelwick/Mm/ErrorText.h"

namespace Mm {

namespace {

// Frames per device callback: small, so that a stop is heard at once.
constexpr Uint16 kDeviceFrames = 1024;

}  // namespace

namespace {

// Starting the audio subsystem starts SDL's events too, which would take over Ctrl+C.
int StartAudio() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return SDL_InitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace

SdlAudio::SdlAudio() : started_(StartAudio() == 0) {}

SdlAudio::~SdlAudio() {
    if (started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::vector<std::string> SdlAudio::DeviceNames(bool capture) {
    SdlAudio sdl;
    std::vector<std::string> names;
    if (!sdl.started_) return names;
    const int count = SDL_GetNumAudioDevices(capture ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        const char* name = SDL_GetAudioDeviceName(i, capture ? 1 : 0);
        names.push_back(name != nullptr ? name : "");
    }
    return names;
}

uint32_t SdlAudio::Open(bool capture, int number, uint32_t samplesPerSecond, uint32_t channels,
                        uint32_t bitsPerSample, Callback callback, void* user, std::string& error) {
    const int count = started_ ? SDL_GetNumAudioDevices(capture ? 1 : 0) : 0;
    if (count <= 0) {
        error = ErrorText(kNoDriver);
        return 0;
    }
    if (number < 0 || number >= count) {
        error = ErrorText(kBadDeviceId);
        return 0;
    }
    if ((bitsPerSample != 8 && bitsPerSample != 16) || channels < 1 || channels > 2 ||
        samplesPerSecond == 0 || samplesPerSecond > uint32_t(SDL_MAX_SINT32)) {
        error = ErrorText(kBadFormat);
        return 0;
    }
    SDL_AudioSpec want{};
    want.freq = int(samplesPerSecond);
    want.format = bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    want.channels = Uint8(channels);
    want.samples = kDeviceFrames;
    want.callback = callback;
    want.userdata = user;
    // No changes allowed: SDL converts to what the hardware takes.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(
        SDL_GetAudioDeviceName(number, capture ? 1 : 0), capture ? 1 : 0, &want, nullptr, 0);
    if (device == 0) error = ErrorText(kUnspecifiedError) + "\n" + SDL_GetError();
    return device;
}

void SdlAudio::Resume(uint32_t device) {
    SDL_PauseAudioDevice(device, 0);
}

void SdlAudio::Close(uint32_t device) {
    SDL_CloseAudioDevice(device);
}

}  // namespace Mm
