#pragma once

#include <cstdint>

// The fade-in and fade-out gain of an audio object, one step per frame. The gain starts at
// -45 dB, grows by the in factor until it passes 0.999 (then it is 1.0) and, from the
// fade-out start on, falls by the out factor.
class FadeEnvelope {
public:
    FadeEnvelope();

    // Fades at fadeIn (> 0) and fadeOut (< 0) dB per second for an object that sounds for
    // `duration` seconds; the fade-out starts when it needs 45 dB before the end.
    void SetFades(double fadeIn, double fadeOut, double duration);
    // No fades: full level for the whole duration.
    void SetFullLevel(double duration);
    // Back to the start of the object: the gain to -45 dB (or full level without fades).
    void Restart();

    double gain() const { return gain_; }
    double duration() const { return duration_; }
    double fadeOutStart() const { return fadeOutStart_; }

    // Moves the gain on by one frame; true while the object still sounds.
    bool Advance() {
        const double u = double(counter_) / sampleRate_;
        if (fades_) {
            if (u > fadeOutStart_) {
                gain_ = gain_ * outFactor_;
            } else if (gain_ > 0.999) {
                gain_ = 1.0;
            } else {
                gain_ = gain_ * inFactor_;
            }
        }
        ++counter_;
        return duration_ >= u;
    }

private:
    void ComputeFactors();

    double fadeInRate_ = 80.0;
    double fadeOutRate_ = -80.0;
    int32_t sampleRate_ = 44100;
    double duration_ = 0.0;
    double inFactor_ = 1.0;
    double outFactor_ = 1.0;
    double gain_;
    double fadeOutStart_ = 0.0;
    int32_t counter_ = 0;
    bool fades_ = true;
};
