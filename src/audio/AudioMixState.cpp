#include "audio/AudioMixState.h"

#include "panelwick/Sys/Utf.h"

void AudioMixState::Prepare(const MovieObject& object) {
    if (object.type != MovieObjectType::Audio) return;
    const double duration = object.end / 1000.0 - object.begin / 1000.0;
    // Objects that end before they begin (only a damaged file holds them) get no ramp.
    leftSlope_ =
        duration > 0 ? (object.endState.volumeLeft - object.beginState.volumeLeft) / duration : 0.0;
    rightSlope_ = duration > 0
                      ? (object.endState.volumeRight - object.beginState.volumeRight) / duration
                      : 0.0;
    bass_.DesignLowShelf(false, object.bassGain, 0.75, object.bassFrequency, 44100);
    treble_.DesignHighShelf(object.trebleGain, object.trebleFrequency);
    const double fadeIn = object.beginState.fadeRate;
    const double fadeOut = object.endState.fadeRate;
    if (duration > 0 && fadeIn > 0 && fadeOut < 0) {
        fade_.SetFades(fadeIn, fadeOut, duration);
    } else {
        fade_.SetFullLevel(duration);
    }
    openFailed_ = false;
}

Sys::Result AudioMixState::OpenAtSkip(const MovieObject& object, const std::string& projectFolder) {
    const std::string path = projectFolder + "/" + Sys::ToUtf8(object.fileName);
    if (Sys::Result r = reader_.OpenForReadingStrict(path); r.failed()) {
        (void)reader_.Close();
        return r;
    }
    if (object.skip != 0) {
        const uint64_t frame = uint64_t(object.skip / 1000.0 * 44100 + 0.5);
        (void)reader_.SeekSample(frame * (reader_.channels() == 1 ? 2 : 4));
        reader_.DiscardBuffered();
    }
    return {};
}

bool AudioMixState::Open(const MovieObject& object, const std::string& projectFolder) {
    if (openFailed_) return false;
    if (OpenAtSkip(object, projectFolder).failed()) {
        openFailed_ = true;
        return false;
    }
    fade_.Restart();
    return true;
}

bool AudioMixState::MixNextSample(const MovieObject& object, const std::string& projectFolder,
                                  uint64_t index, double& left, double& right) {
    left = right = 0.0;
    const double t = double(index) / 44100.0;
    if (object.begin / 1000.0 > t) return false;
    if (t > object.end / 1000.0) {
        if (reader_.IsOpen()) (void)reader_.FlushAndClose();
        return false;
    }
    if (!reader_.IsOpen() && !Open(object, projectFolder)) return false;
    return ReadProcessedSample(object, t - object.begin / 1000.0, left, right);
}

bool AudioMixState::ReadProcessedSample(const MovieObject& object, double seconds, double& left,
                                        double& right) {
    int16_t l, r;
    if (!reader_.ReadFrame(l, r)) return false;
    left = l;
    right = r;
    const double dbLeft = object.beginState.volumeLeft + leftSlope_ * seconds;
    const double dbRight = object.beginState.volumeRight + rightSlope_ * seconds;
    if (dbLeft != 0) left *= Factor(dbLeft);
    if (dbRight != 0) right *= Factor(dbRight);
    left = bass_.FilterLeft(left);
    right = bass_.FilterRight(right);
    left = treble_.FilterLeft(left);
    right = treble_.FilterRight(right);
    left *= fade_.gain();
    right *= fade_.gain();
    return fade_.Advance();
}

void AudioMixState::MixBlock(const MovieObject& object, const std::string& projectFolder,
                             uint64_t first, size_t count, double* sums, double* scratch,
                             const Mm::AudioKernels& kernels) {
    const double begin = object.begin / 1000.0, end = object.end / 1000.0;
    // The samples between the object's times: [from, to).
    size_t from = 0;
    while (from < count && begin > double(first + from) / 44100.0) ++from;
    size_t to = from;
    while (to < count && !(double(first + to) / 44100.0 > end)) ++to;
    if (from < to && (reader_.IsOpen() || Open(object, projectFolder))) {
        // Frames until the file ends; then the level ramp, both shelves and the fades, each
        // over the whole run (every step depends only on its own state).
        size_t frames = 0;
        int16_t l, r;
        while (from + frames < to && reader_.ReadFrame(l, r)) {
            scratch[2 * frames] = l;
            scratch[2 * frames + 1] = r;
            ++frames;
        }
        for (size_t k = 0; k < frames; ++k) {
            const double seconds = double(first + from + k) / 44100.0 - begin;
            const double dbLeft = object.beginState.volumeLeft + leftSlope_ * seconds;
            const double dbRight = object.beginState.volumeRight + rightSlope_ * seconds;
            if (dbLeft != 0) scratch[2 * k] *= Factor(dbLeft);
            if (dbRight != 0) scratch[2 * k + 1] *= Factor(dbRight);
        }
        // A pass-through shelf gives back its input, so it is skipped.
        if (!bass_.IsPassThrough()) bass_.FilterStereoFrames(scratch, frames, kernels);
        if (!treble_.IsPassThrough()) treble_.FilterStereoFrames(scratch, frames, kernels);
        double* out = sums + 2 * from;
        for (size_t k = 0; k < frames; ++k) {
            const double gain = fade_.gain();
            const double left = scratch[2 * k] * gain, right = scratch[2 * k + 1] * gain;
            if (fade_.Advance()) {
                out[2 * k] += left;
                out[2 * k + 1] += right;
            }
        }
    }
    if (to < count && reader_.IsOpen()) (void)reader_.FlushAndClose();
}

void AudioMixState::Close() {
    (void)reader_.FlushAndClose();
    reader_.FreeBuffer();
}
