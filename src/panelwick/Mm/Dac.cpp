#include "panelwick/Mm/Dac.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

namespace Mm {

Dac::~Dac() {
    if (device_ != 0) SdlAudio::Close(device_);
}

Dac::State Dac::state() const {
    if (device_ == 0 && !on_) return State::Closed;
    if (!on_) return State::Opening;
    return stopRequested_ ? State::Draining : State::On;
}

std::string Dac::StatusText(const std::string& name) const {
    const std::string shown = name.empty() ? "DAC" : name;
    if (!on_) return shown + ": OFF";
    char text[256];
    std::snprintf(text, sizeof text, "%s: %d Hz, %d CH, %d bits", shown.c_str(),
                  int(samplesPerSecond_), int(channels_), int(bitsPerSample_));
    return text;
}

Sys::Result Dac::Start(int device, uint32_t samplesPerSecond, uint32_t channels,
                       uint32_t bitsPerSample, IAudioOut* callback) {
    if (on_) return "Mm::Dac::Start stop the DAC before starting the DAC";
    callback_ = callback;
    samplesPerSecond_ = samplesPerSecond;
    channels_ = channels;
    bitsPerSample_ = bitsPerSample;
    bufferSize_ = kBufferSize;
    if (device_ != 0) return {};
    try {
        buffers_.clear();
        buffers_.reserve(kBufferCount);
        for (int i = 0; i < kBufferCount; ++i) buffers_.emplace_back(bufferSize_);
    } catch (const std::bad_alloc&) {
        buffers_.clear();
        return "Mm::Dac::Start no enough memory to create buffers";
    }
    stopRequested_ = false;
    closing_ = false;
    silence_ = bitsPerSample == 8 ? 0x80 : 0;
    std::string error;
    device_ = sdl_.Open(false, device, samplesPerSecond, channels, bitsPerSample, DeviceCallback,
                        this, error);
    if (device_ == 0) {
        buffers_.clear();
        return error;
    }
    queue_.Post(DeviceQueue::Event::Open);
    return {};
}

void Dac::Stop() {
    if (device_ == 0) return;
    stopRequested_ = true;
    queue_.ReturnAll();
}

void Dac::DeliverEvents() {
    queue_.Deliver([this] { OnOpen(); }, [this](int buffer) { OnDone(buffer); },
                   [this] { OnClose(); });
}

void Dac::DeviceCallback(void* user, uint8_t* stream, int length) {
    static_cast<Dac*>(user)->Play(stream, length);
}

// Device thread: copies the queued buffers into the stream in order; silence where they run
// out.
void Dac::Play(uint8_t* stream, int length) {
    uint32_t written = 0;
    queue_.Serve([&](int index) {
        WaveBuffer& buffer = buffers_[index];
        const uint32_t n =
            std::min(uint32_t(length) - written, buffer.header.bytesRecorded - buffer.position);
        std::memcpy(stream + written, buffer.header.data + buffer.position, n);
        written += n;
        buffer.position += n;
        return buffer.position == buffer.header.bytesRecorded;
    });
    std::memset(stream + written, silence_, size_t(length) - written);
}

void Dac::OnOpen() {
    if (device_ == 0) return;
    on_ = true;
    prepared_ = 0;
    Changed();
    if (callback_ != nullptr) {
        callback_->OnPlayStart(samplesPerSecond_, channels_, bitsPerSample_);
    } else if (notify_) {
        notify_(kNotifyStarted, intptr_t(bitsPerSample_ << 16 | channels_));
    }
    if (stopRequested_) {  // stopped before the device opened
        closing_ = true;
        SdlAudio::Close(device_);
        queue_.Post(DeviceQueue::Event::Close);
        return;
    }
    for (int i = 0; i < kBufferCount; ++i) {
        ++prepared_;
        if (!Fill(i)) stopRequested_ = true;
        if (stopRequested_) {
            Release();
            break;
        }
        queue_.Give(i);
    }
    if (!closing_) SdlAudio::Resume(device_);
}

void Dac::OnDone(int buffer) {
    if (device_ == 0 || closing_) return;
    if (!stopRequested_) {
        if (!Fill(buffer)) stopRequested_ = true;
        if (!stopRequested_) {
            queue_.Give(buffer);
            return;
        }
        Changed();
    }
    Release();
}

bool Dac::Fill(int buffer) {
    WaveHeader& header = buffers_[buffer].header;
    header.bufferLength = bufferSize_;
    header.bytesRecorded = 0;
    if (callback_ != nullptr) {
        callback_->OnPlayFill(samplesPerSecond_, channels_, bitsPerSample_, header);
    } else if (notify_) {
        notify_(kNotifyFill, reinterpret_cast<intptr_t>(&header));
    }
    header.bytesRecorded = std::min(header.bytesRecorded, bufferSize_);
    buffers_[buffer].position = 0;
    return header.bytesRecorded != 0;
}

void Dac::Release() {
    if (--prepared_ > 0) return;
    closing_ = true;
    SdlAudio::Close(device_);
    queue_.Post(DeviceQueue::Event::Close);
}

void Dac::OnClose() {
    if (device_ == 0) return;
    IAudioOut* callback = callback_;
    const intptr_t format = intptr_t(bitsPerSample_ << 16 | channels_);
    if (callback != nullptr) {
        callback->OnPlayEnd();
    } else if (notify_) {
        notify_(kNotifyStopped, format);
    }
    on_ = false;
    buffers_.clear();
    queue_.Clear();
    device_ = 0;
    prepared_ = 0;
    closing_ = false;
    stopRequested_ = false;
    samplesPerSecond_ = channels_ = bitsPerSample_ = 0;
    Changed();
}

}  // namespace Mm
