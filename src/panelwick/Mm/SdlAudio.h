#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "panelwick/Sys/Result.h"

namespace Mm {

// SDL's audio devices. An object keeps SDL's audio subsystem running while it lives (the
// driver is chosen when the first one starts, from SDL_AUDIODRIVER among others).
class SdlAudio {
public:
    using Callback = void (*)(void* user, uint8_t* stream, int length);

    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // The names of the output (or input) devices in device number order.
    static std::vector<std::string> DeviceNames(bool capture);

    // Opens device `number` of the list for PCM data of the format, paused: the device id, or
    // 0 with the failure text (the device error table's text; when SDL refused, its reason
    // on a second line).
    uint32_t Open(bool capture, int number, uint32_t samplesPerSecond, uint32_t channels,
                  uint32_t bitsPerSample, Callback callback, void* user, std::string& error);
    // Starts the device's callbacks.
    static void Resume(uint32_t device);
    // Stops the callbacks and closes the device; none runs after the return.
    static void Close(uint32_t device);

private:
    bool started_ = false;
};

}  // namespace Mm
