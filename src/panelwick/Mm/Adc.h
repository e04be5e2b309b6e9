#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "panelwick/Mm/DeviceQueue.h"
#include "panelwick/Mm/IAudioIn.h"
#include "panelwick/Mm/SdlAudio.h"
#include "panelwick/Mm/WaveHeader.h"
#include "panelwick/Sys/Result.h"

namespace Mm {

// Records PCM sound from an input device into 8 buffers of 16384 bytes that the owner
// consumes, and measures the level of each recorded buffer.
//
// Threads as for Mm::Dac: the device thread only queues notices and calls the waker; the
// owner's DeliverEvents runs OnRecordStart, OnRecordData for each full buffer in order, and
// OnRecordStop once the device has closed.
class Adc {
public:
    enum class State { Closed, Opening, On, Draining };
    static constexpr int kBufferCount = 8;
    static constexpr uint32_t kBufferSize = 16384;
    // Without a callback: started carries bits per sample << 16 | channels, data the
    // WaveHeader's address, stopped 0.
    static constexpr int kNotifyStarted = 5, kNotifyStopped = 6, kNotifyData = 9;
    using Notify = std::function<void(int code, intptr_t parameter)>;

    Adc() = default;
    // Closes an open device without calling the owner.
    ~Adc();
    Adc(const Adc&) = delete;
    Adc& operator=(const Adc&) = delete;

    // The input devices' names; a device number is a position in this list.
    static std::vector<std::string> DeviceNames() { return SdlAudio::DeviceNames(true); }

    Sys::Result Start(int device, uint32_t samplesPerSecond, uint32_t channels,
                      uint32_t bitsPerSample, IAudioIn* callback);
    // Buffers still queued are dropped as they come back; the device then closes.
    void Stop();
    void DeliverEvents();

    void SetWaker(std::function<void()> waker) { queue_.SetWaker(std::move(waker)); }
    // Called on the owner's thread when the status or the levels may have changed.
    void SetChangeHandler(std::function<void()> changed) { changed_ = std::move(changed); }
    void SetNotify(Notify notify) { notify_ = std::move(notify); }

    State state() const;
    bool IsOn() const { return on_; }
    // "<name>: OFF", or "<name>: <rate> Hz/<bits> bits" while on; "ADC" for an empty name.
    std::string StatusText(const std::string& name) const;
    // The last buffer's peaks and the full-scale value they compare with.
    int32_t leftPeak() const { return leftPeak_; }
    int32_t rightPeak() const { return rightPeak_; }
    double fullScale() const { return fullScale_; }

    // The largest absolute sample value of each channel among every 32nd frame of 8- or
    // 16-bit data (8-bit samples count from 128); a mono buffer gives both the same.
    static void MeasurePeaks(const uint8_t* data, uint32_t bytes, uint32_t channels,
                             uint32_t bitsPerSample, int32_t& left, int32_t& right);

private:
    static void DeviceCallback(void* user, uint8_t* stream, int length);
    void Record(const uint8_t* stream, int length);
    void OnOpen();
    void OnData(int buffer);
    void OnClose();
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
    int32_t leftPeak_ = 0, rightPeak_ = 0;
    double fullScale_ = 32768.0;
    IAudioIn* callback_ = nullptr;
    Notify notify_;
    std::function<void()> changed_;
};

}  // namespace Mm
