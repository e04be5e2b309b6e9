#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "panelwick/Mm/DeviceQueue.h"
#include "panelwick/Mm/IAudioOut.h"
#include "panelwick/Mm/SdlAudio.h"
#include "panelwick/Mm/WaveHeader.h"
#include "panelwick/Sys/Result.h"

namespace Mm {

// Plays PCM sound on an output device through 8 buffers of 16384 bytes that the owner fills.
//
// Threads: Start, Stop and DeliverEvents belong to the owner's thread. The device works on its
// own thread and only queues notices; the waker (SetWaker) is called from that thread to make
// the owner call DeliverEvents soon, which runs every callback in order: OnPlayStart, then
// OnPlayFill for each buffer, then OnPlayEnd once the device has closed.
//
// States: closed -> (Start) opening -> (open notice) on -> (Stop, or the owner filled 0
// bytes) draining -> (the last buffer released, the device closed) closed.
class Dac {
public:
    enum class State { Closed, Opening, On, Draining };
    static constexpr int kBufferCount = 8;
    static constexpr uint32_t kBufferSize = 16384;
    // Without a callback the events go to the notify function with these codes: started and
    // stopped carry bits per sample << 16 | channels, fill carries the WaveHeader's address.
    static constexpr int kNotifyStarted = 5, kNotifyStopped = 6, kNotifyFill = 8;
    using Notify = std::function<void(int code, intptr_t parameter)>;

    Dac() = default;
    // Closes an open device without calling the owner.
    ~Dac();
    Dac(const Dac&) = delete;
    Dac& operator=(const Dac&) = delete;

    // The output devices' names; a device number is a position in this list.
    static std::vector<std::string> DeviceNames() { return SdlAudio::DeviceNames(false); }

    Sys::Result Start(int device, uint32_t samplesPerSecond, uint32_t channels,
                      uint32_t bitsPerSample, IAudioOut* callback);
    // No more buffers are filled; those the device holds come back and the device closes.
    void Stop();
    // Runs the waiting notices; call on the owner's thread after the waker.
    void DeliverEvents();

    void SetWaker(std::function<void()> waker) { queue_.SetWaker(std::move(waker)); }
    // Called on the owner's thread whenever the status text may have changed.
    void SetChangeHandler(std::function<void()> changed) { changed_ = std::move(changed); }
    void SetNotify(Notify notify) { notify_ = std::move(notify); }

    State state() const;
    bool IsOn() const { return on_; }
    int preparedCount() const { return prepared_; }
    // "<name>: OFF", or "<name>: <rate> Hz, <channels> CH, <bits> bits" while on; "DAC" stands
    // for an empty name.
    std::string StatusText(const std::string& name) const;

private:
    static void DeviceCallback(void* user, uint8_t* stream, int length);
    void Play(uint8_t* stream, int length);
    void OnOpen();
    void OnDone(int buffer);
    void OnClose();
    // Asks the owner for the buffer's bytes; false when it gave none.
    bool Fill(int buffer);
    // A header the device no longer needs; the device closes after the last one.
    void Release();
    void Changed() {
        if (changed_) changed_();
    }

    SdlAudio sdl_;
    DeviceQueue queue_;
    uint32_t device_ = 0;
    std::vector<WaveBuffer> buffers_;
    int prepared_ = 0;
    bool on_ = false;
    bool stopRequested_ = false;
    bool closing_ = false;
    uint32_t bufferSize_ = 0;
    uint32_t bitsPerSample_ = 0, samplesPerSecond_ = 0, channels_ = 0;
    uint8_t silence_ = 0;
    IAudioOut* callback_ = nullptr;
    Notify notify_;
    std::function<void()> changed_;
};

}  // namespace Mm
