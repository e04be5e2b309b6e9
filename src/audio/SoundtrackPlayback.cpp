#include "audio/SoundtrackPlayback.h"

#include <algorithm>
#include <cstring>

namespace {

double Since(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

}  // namespace

SoundtrackPlayback::SoundtrackPlayback(const std::vector<MovieObject>& objects,
                                       const MovieProperties& properties,
                                       const std::string& projectFolder)
    : mixer_(objects, properties, projectFolder) {}

SoundtrackPlayback::~SoundtrackPlayback() {
    Stop();
}

void SoundtrackPlayback::Callback(void* user, uint8_t* stream, int length) {
    auto* self = static_cast<SoundtrackPlayback*>(user);
    const size_t frames = size_t(length) / 4;
    auto* out = reinterpret_cast<int16_t*>(stream);
    if (!self->positioned_.load()) {
        // Replaying the objects that sound at the start can take a while for long ones: it
        // happens here, on the sound's thread, and the clock starts when the sound does.
        self->mixer_.Seek(self->startFrame_);
        self->positioned_.store(true);
    }
    const size_t got = self->mixer_.Read(out, frames);
    // After the soundtrack (or in a movie without one) the device plays silence, so the clock
    // keeps running to the movie's end.
    std::memset(out + 2 * got, 0, (frames - got) * 4);
    self->played_.fetch_add(frames);
}

std::string SoundtrackPlayback::Start(double seconds, bool sound) {
    Stop();
    start_ = std::max(0.0, seconds);
    played_ = 0;
    lastPlayed_ = 0;
    lastMoved_ = std::chrono::steady_clock::now();
    silentFrom_ = start_;
    silentStart_ = lastMoved_;
    running_ = true;
    if (!sound) return {};
    startFrame_ = uint64_t(start_ * 44100.0);
    positioned_ = false;
    if (!sdl_) sdl_ = std::make_unique<Mm::SdlAudio>();
    std::string error;
    device_ = sdl_->Open(false, 0, 44100, 2, 16, &SoundtrackPlayback::Callback, this, error);
    if (device_ != 0) Mm::SdlAudio::Resume(device_);
    return error;
}

void SoundtrackPlayback::Stop() {
    if (device_ != 0) {
        silentFrom_ = Clock();
        Mm::SdlAudio::Close(device_);
        device_ = 0;
    } else if (running_) {
        silentFrom_ = Clock();
    }
    running_ = false;
}

double SoundtrackPlayback::SteadySeconds() const {
    return silentFrom_ + (running_ ? Since(silentStart_) : 0.0);
}

double SoundtrackPlayback::Clock() {
    if (device_ == 0) return SteadySeconds();
    return start_ + double(played_.load()) / 44100.0;
}

bool SoundtrackPlayback::LostDevice(double stallSeconds) {
    if (device_ == 0) return false;
    const uint64_t played = played_.load();
    if (played != lastPlayed_ || !positioned_.load()) {
        lastPlayed_ = played;
        lastMoved_ = std::chrono::steady_clock::now();
        return false;
    }
    if (Since(lastMoved_) < stallSeconds) return false;
    // Go on silently from where the sound stopped.
    const double at = Clock();
    Mm::SdlAudio::Close(device_);
    device_ = 0;
    silentFrom_ = at;
    silentStart_ = std::chrono::steady_clock::now();
    return true;
}
