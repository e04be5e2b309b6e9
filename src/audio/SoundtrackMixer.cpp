#include "audio/SoundtrackMixer.h"

#include <algorithm>
#include <cmath>

#include "audio/SoundtrackMixdown.h"
#include "project/MovieFrameCount.h"

namespace {

// Clamps to -32767..32767 (never -32768) and rounds down.
int16_t Clamped(double v) {
    v = v > -32767.0 ? (v < 32767.0 ? v : 32767.0) : -32767.0;
    return int16_t(std::floor(v));
}

// The normaliser's floor and release: a remembered peak stops mattering once it has fallen
// below the floor, at 2 dB per second.
constexpr double kLevelFloor = 1024.0;
constexpr double kReleaseDbPerSecond = 2.0;

}  // namespace

SoundtrackMixer::SoundtrackMixer(const std::vector<MovieObject>& objects,
                                 const MovieProperties& properties, std::string projectFolder)
    : objects_(objects),
      folder_(std::move(projectFolder)),
      normalize_(properties.normalizeVolume),
      sums_(2 * kBlock),
      scratch_(2 * kBlock) {
    const uint8_t fps = properties.fps;
    const uint32_t frames = MovieFrameCount(objects_, fps);
    if (HasAudioObjects(objects_)) total_ = SoundtrackLength(frames, fps);
    const uint32_t concurrent = MaxConcurrentAudio(objects_, fps, frames);
    divisor_ = concurrent == 0 ? 1.0 : double(concurrent);
    Seek(0);
}

SoundtrackMixer::~SoundtrackMixer() {
    CloseAll();
}

void SoundtrackMixer::CloseAll() {
    for (AudioMixState& s : states_) s.Close();
}

uint64_t SoundtrackMixer::WarmUpFrames(const std::vector<MovieObject>& objects) {
    // The loudest a processed object can be: full scale raised by its highest volume and its
    // boosting shelves, with 6 dB to spare for the shelves' overshoot.
    double db = 0.0;
    for (const MovieObject& o : objects) {
        if (o.type != MovieObjectType::Audio) continue;
        const int top = std::max({int(o.beginState.volumeLeft), int(o.beginState.volumeRight),
                                  int(o.endState.volumeLeft), int(o.endState.volumeRight)});
        db = std::max(db,
                      double(top) + std::max(0, int(o.bassGain)) + std::max(0, int(o.trebleGain)));
    }
    const double peakDb = db + 6.0 + 20.0 * std::log10(32767.0 / kLevelFloor);
    const double seconds = peakDb / kReleaseDbPerSecond + 1.0;
    return uint64_t(Mm::AutoLevel::kLength) + uint64_t(seconds * 44100.0);
}

void SoundtrackMixer::MixObject(size_t k, uint64_t first, size_t count) {
    const Mm::AudioKernels& kernels = Mm::AudioKernels::Active();
    if (kernels.blocks) {
        states_[k].MixBlock(objects_[k], folder_, first, count, sums_.data(), scratch_.data(),
                            kernels);
        return;
    }
    // The plain rule, one sample at a time.
    for (size_t j = 0; j < count; ++j) {
        double l, r;
        if (states_[k].MixNextSample(objects_[k], folder_, first + j, l, r)) {
            sums_[2 * j] += l;
            sums_[2 * j + 1] += r;
        }
    }
}

void SoundtrackMixer::Seek(uint64_t frame) {
    frame = std::min(frame, total_);
    CloseAll();
    states_ = std::vector<AudioMixState>(objects_.size());
    for (size_t k = 0; k < objects_.size(); ++k) states_[k].Prepare(objects_[k]);
    next_ = frame;
    pending_.clear();
    pendingRead_ = 0;
    // Mixing starts at a block boundary at or before the frame (further back for the
    // normaliser's memory).
    uint64_t start = frame;
    if (normalize_) {
        level_ = std::make_unique<Mm::AutoLevel>();
        const uint64_t warm = WarmUpFrames(objects_);
        start = frame > warm ? frame - warm : 0;
    }
    start -= start % kBlock;
    levelStart_ = input_ = start;
    // Objects that sound at the start run from their begin, their output thrown away.
    const double at = double(start) / 44100.0;
    for (size_t k = 0; k < objects_.size(); ++k) {
        const MovieObject& o = objects_[k];
        if (o.type != MovieObjectType::Audio || !(o.begin / 1000.0 < at) || at > o.end / 1000.0) {
            continue;
        }
        const uint64_t begin = uint64_t(o.begin / 1000.0 * 44100.0);
        for (uint64_t first = begin - begin % kBlock; first < start; first += kBlock) {
            std::fill(sums_.begin(), sums_.end(), 0.0);
            MixObject(k, first, size_t(kBlock));
        }
    }
}

void SoundtrackMixer::MixNextBlock() {
    const uint64_t first = input_;
    input_ += kBlock;
    std::fill(sums_.begin(), sums_.end(), 0.0);
    const size_t count = first < total_ ? size_t(std::min<uint64_t>(kBlock, total_ - first)) : 0;
    for (size_t k = 0; k < objects_.size() && count > 0; ++k) {
        if (objects_[k].type == MovieObjectType::Audio) MixObject(k, first, count);
    }
    pending_.erase(pending_.begin(), pending_.begin() + ptrdiff_t(pendingRead_));
    pendingRead_ = 0;
    for (size_t j = 0; j < kBlock; ++j) {
        // Past the end the normaliser is fed silence until its delay is out.
        double left = sums_[2 * j] / divisor_, right = sums_[2 * j + 1] / divisor_;
        uint64_t index = first + j;
        if (level_) {
            level_->Process(left, right, left, right);
            if (index < levelStart_ + uint64_t(Mm::AutoLevel::kLength)) continue;
            index -= uint64_t(Mm::AutoLevel::kLength);
        }
        if (index < next_ + pending_.size() / 2 || index >= total_) continue;
        pending_.push_back(Clamped(left));
        pending_.push_back(Clamped(right));
    }
}

size_t SoundtrackMixer::Read(int16_t* out, size_t frames) {
    size_t done = 0;
    while (done < frames && next_ < total_) {
        if (pendingRead_ == pending_.size()) {
            MixNextBlock();
            continue;
        }
        const size_t take = std::min(frames - done, (pending_.size() - pendingRead_) / 2);
        std::copy_n(pending_.begin() + ptrdiff_t(pendingRead_), 2 * take, out + 2 * done);
        pendingRead_ += 2 * take;
        done += take;
        next_ += take;
    }
    return done;
}
