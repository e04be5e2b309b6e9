#include "panelwick/Mm/Adc.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace Mm {

Adc::~Adc() {
    if (device_ != 0) SdlAudio::Close(device_);
}

Adc::State Adc::state() const {
    if (device_ == 0 && !on_) return State::Closed;
    if (!on_) return State::Opening;
    return stopRequested_ ? State::Draining : State::On;
}

std::string Adc::StatusText(const std::string& name) const {
    const std::string shown = name.empty() ? "ADC" : name;
    if (!on_) return shown + ": OFF";
    char text[256];
    std::snprintf(text, sizeof text, "%s: %d Hz/%d bits", shown.c_str(), int(samplesPerSecond_),
                  int(bitsPerSample_));
    return text;
}

Sys::Result Adc::Start(int device, uint32_t samplesPerSecond, uint32_t channels,
                       uint32_t bitsPerSample, IAudioIn* callback) {
    if (DeviceNames().empty()) {
        return "Mm::Adc::Start a device (or a microphone) must be connected to the audio card for "
               "the ADC to operate";
    }
    if (device_ != 0) return "Mm::Adc::Start - ADC is already ON";
    stopRequested_ = false;
    closing_ = false;
    buffers_.clear();
    callback_ = callback;
    samplesPerSecond_ = samplesPerSecond;
    channels_ = channels;
    bitsPerSample_ = bitsPerSample;
    bufferSize_ = kBufferSize;
    try {
        buffers_.reserve(kBufferCount);
        for (int i = 0; i < kBufferCount; ++i) buffers_.emplace_back(bufferSize_);
    } catch (const std::bad_alloc&) {
        buffers_.clear();
        return "Mm::Adc::Start Error during creating wave buffer";
    }
    std::string error;
    device_ = sdl_.Open(true, device, samplesPerSecond, channels, bitsPerSample, DeviceCallback,
                        this, error);
    if (device_ == 0) {
        buffers_.clear();
        return error;
    }
    prepared_ = kBufferCount;
    leftPeak_ = rightPeak_ = 0;
    queue_.Post(DeviceQueue::Event::Open);
    return {};
}

// The buffers are dropped as they come back, so the device hands them back at once.
void Adc::Stop() {
    stopRequested_ = true;
    if (device_ != 0) queue_.ReturnAll();
}

void Adc::DeliverEvents() {
    queue_.Deliver([this] { OnOpen(); }, [this](int buffer) { OnData(buffer); },
                   [this] { OnClose(); });
}

void Adc::DeviceCallback(void* user, uint8_t* stream, int length) {
    static_cast<Adc*>(user)->Record(stream, length);
}

// Device thread: fills the queued buffers in order; what comes while none is queued is lost.
void Adc::Record(const uint8_t* stream, int length) {
    uint32_t taken = 0;
    queue_.Serve([&](int index) {
        WaveBuffer& buffer = buffers_[index];
        const uint32_t n =
            std::min(uint32_t(length) - taken, buffer.header.bufferLength - buffer.position);
        std::memcpy(buffer.header.data + buffer.position, stream + taken, n);
        taken += n;
        buffer.position += n;
        buffer.header.bytesRecorded = buffer.position;
        return buffer.position == buffer.header.bufferLength;
    });
}

void Adc::OnOpen() {
    if (device_ == 0) return;
    on_ = true;
    leftPeak_ = rightPeak_ = 0;
    fullScale_ = bitsPerSample_ == 8 ? 128.0 : 32768.0;
    Changed();
    // A stop asked for before the device opened still holds.
    const bool stopped = stopRequested_;
    for (int i = 0; i < kBufferCount; ++i) {
        buffers_[i].position = 0;
        buffers_[i].header.bytesRecorded = 0;
        queue_.Give(i);
    }
    if (callback_ != nullptr) {
        callback_->OnRecordStart(samplesPerSecond_, channels_, bitsPerSample_);
    } else if (notify_) {
        notify_(kNotifyStarted, intptr_t(bitsPerSample_ << 16 | channels_));
    }
    stopRequested_ = stopped || stopRequested_;
    if (stopRequested_) {
        queue_.ReturnAll();
        return;
    }
    SdlAudio::Resume(device_);
}

void Adc::OnData(int buffer) {
    if (device_ == 0 || closing_) return;
    WaveHeader& header = buffers_[buffer].header;
    if (!stopRequested_) {
        if (header.bytesRecorded == 0) {  // nothing recorded: back to the device
            queue_.Give(buffer);
            return;
        }
        if (callback_ != nullptr) {
            callback_->OnRecordData(samplesPerSecond_, channels_, bitsPerSample_, header);
        } else if (notify_) {
            notify_(kNotifyData, reinterpret_cast<intptr_t>(&header));
        }
        if (header.bytesRecorded == 0) {
            stopRequested_ = true;
            queue_.ReturnAll();
        }
        if (bitsPerSample_ == 8 || bitsPerSample_ == 16) {
            MeasurePeaks(header.data, header.bytesRecorded, channels_, bitsPerSample_, leftPeak_,
                         rightPeak_);
            Changed();
        }
    }
    if (stopRequested_) {
        if (--prepared_ > 0) return;
        closing_ = true;
        SdlAudio::Close(device_);
        queue_.Post(DeviceQueue::Event::Close);
        return;
    }
    buffers_[buffer].position = 0;
    header.bytesRecorded = 0;
    queue_.Give(buffer);
}

void Adc::OnClose() {
    if (device_ == 0) return;
    on_ = false;
    Changed();
    buffers_.clear();
    queue_.Clear();
    stopRequested_ = false;
    closing_ = false;
    device_ = 0;
    prepared_ = 0;
    if (callback_ != nullptr) {
        callback_->OnRecordStop();
    } else if (notify_) {
        notify_(kNotifyStopped, 0);
    }
}

void Adc::MeasurePeaks(const uint8_t* data, uint32_t bytes, uint32_t channels,
                       uint32_t bitsPerSample, int32_t& left, int32_t& right) {
    left = right = 0;
    if (channels == 0) return;
    const uint32_t sampleBytes = bitsPerSample == 8 ? 1 : 2;
    const uint32_t frameBytes = sampleBytes * channels;
    const uint32_t frames = bytes / frameBytes;
    auto sample = [&](uint32_t frame, uint32_t channel) {
        const uint8_t* p = data + frame * frameBytes + channel * sampleBytes;
        return sampleBytes == 1 ? std::abs(int32_t(p[0]) - 128)
                                : std::abs(int32_t(int16_t(p[0] | p[1] << 8)));
    };
    for (uint32_t f = 0; f < frames; f += 32) {
        left = std::max(left, sample(f, 0));
        right = std::max(right, sample(f, channels > 1 ? 1 : 0));
    }
}

}  // namespace Mm
