#include "audio/FadeEnvelope.h"

#include <cmath>

namespace {

const double kStartGain = std::pow(10.0, -2.25);  // -45 dB

}  // namespace

FadeEnvelope::FadeEnvelope() : gain_(kStartGain) {
    ComputeFactors();
}

void FadeEnvelope::ComputeFactors() {
    inFactor_ = std::pow(10.0, fadeInRate_ / (sampleRate_ * 20));
    outFactor_ = std::pow(10.0, fadeOutRate_ / (sampleRate_ * 20));
}

void FadeEnvelope::SetFades(double fadeIn, double fadeOut, double duration) {
    fades_ = true;
    sampleRate_ = 44100;
    fadeInRate_ = fadeIn;
    fadeOutRate_ = fadeOut;
    duration_ = duration;
    fadeOutStart_ = duration - 45 / std::fabs(fadeOut);
    inFactor_ = std::pow(10.0, fadeIn / 882000);
    outFactor_ = std::pow(10.0, fadeOut / 882000);
    gain_ = kStartGain;
    counter_ = 0;
}

void FadeEnvelope::SetFullLevel(double duration) {
    fades_ = false;
    duration_ = duration;
    fadeOutStart_ = duration;
    gain_ = 1.0;
    counter_ = 0;
}

void FadeEnvelope::Restart() {
    counter_ = 0;
    if (!fades_) {
        gain_ = 1.0;
        return;
    }
    ComputeFactors();
    gain_ = kStartGain;
}
