#include "audio/AudioMixState.h"

#include "panelwick/Mm/VectorPath.h"
#include "panelwick/Sys/Utf.h"

void AudioMixState::Prepare(const MovieObject& object) {
    if (object.type != MovieObjectType::Audio) return;
    const double duration = object.end / 1000.0 - object.begin / 1000.0;
    // Objects that end before they begin (only a damaged file holds them) get no ramp.
    leftSlope_ = duration > 0
                     ? (object.endState.volumeLeft - object.beginState.volumeLeft) / duration
                     : 0.0;
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

bool AudioMixState::Open(const MovieObject& object, const std::string& projectFolder) {
    if (openFailed_) return false;
    const std::string path = projectFolder + "/" + Sys::ToUtf8(object.fileName);
    if (reader_.OpenForReadingStrict(path).failed()) {
        (void)reader_.Close();
        openFailed_ = true;
        return false;
    }
    fade_.Restart();
    if (object.skip != 0) {
        const uint64_t frame = uint64_t(object.skip / 1000.0 * 44100 + 0.5);
        (void)reader_.SeekSample(frame * (reader_.channels() == 1 ? 2 : 4));
        reader_.DiscardBuffered();
    }
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

bool AudioMixState::ReadProcessedSample(const MovieObject& object, double seconds,
                                        double& left, double& right) {
    int16_t l, r;
    if (!reader_.ReadFrame(l, r)) return false;
    left = l;
    right = r;
    const double dbLeft = object.beginState.volumeLeft + leftSlope_ * seconds;
    const double dbRight = object.beginState.volumeRight + rightSlope_ * seconds;
    if (dbLeft != 0) left *= Factor(dbLeft);
    if (dbRight != 0) right *= Factor(dbRight);
    // A pass-through shelf gives back its input, so it is skipped.
    if (Mm::UseVectorPath()) {
        if (!bass_.IsPassThrough()) bass_.FilterStereo(left, right);
        if (!treble_.IsPassThrough()) treble_.FilterStereo(left, right);
    } else {
        left = bass_.FilterLeft(left);
        right = bass_.FilterRight(right);
        left = treble_.FilterLeft(left);
        right = treble_.FilterRight(right);
    }
    left *= fade_.gain();
    right *= fade_.gain();
    return fade_.Advance();
}

void AudioMixState::Close() {
    (void)reader_.FlushAndClose();
    reader_.FreeBuffer();
}
