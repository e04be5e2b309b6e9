#pragma once

#include <cstdint>
#include <vector>

namespace Mm {

// A look-ahead peak level normaliser. Frames pass through a ring of `kLength` records, so
// the output lags the input by that many frames; every record carries the peak level that
// lies ahead of it, spread backwards from each new peak at the attack rate and decaying at
// the release rate, and the record leaves scaled so that this peak reaches the target level.
class AutoLevel {
public:
    static constexpr int32_t kLength = 32768;

    AutoLevel();

    // Sets the rates in dB per second and recomputes both per-frame factors.
    void SetRates(double attackRate, double releaseRate);
    void SetReleaseRate(double releaseRate) { SetRates(attackRate_, releaseRate); }

    // One stereo frame in, the frame of one ring length earlier out, scaled.
    void Process(double left, double right, double& outLeft, double& outRight);
    // The same on integer samples; outputs truncated.
    void Process(int32_t left, int32_t right, int32_t& outLeft, int32_t& outRight);
    // Follows the level only: the peak of the frame of one ring length earlier.
    int32_t TrackEnvelope(int32_t left, int32_t right);

    double attackFactor() const { return attackFactor_; }
    double releaseFactor() const { return releaseFactor_; }
    int32_t targetLevel() const { return targetLevel_; }

private:
    struct Record {
        double left, right, peak;
    };

    // Steps shared by every variant: takes the record at the index, stores the new frame,
    // spreads a new peak backwards, decays the envelope and advances.
    template <bool kTruncatePeaks>
    Record Push(double left, double right, double level);
    double Factor(double rate) const;

    uint8_t flag_ = 0;
    std::vector<Record> line_;
    int32_t length_ = kLength;
    int32_t index_ = 0;
    double envelope_ = 0.0;
    double attackFactor_;
    double attackRate_ = -20.0;
    double releaseFactor_;
    double releaseRate_ = -2.0;
    int32_t bits_ = 16;
    int32_t fullScale_ = 32767;
    int32_t minimumLevel_ = 1024;
    int32_t targetLevel_ = 32767 - 1024;
    int32_t sampleRate_ = 44100;
};

}  // namespace Mm
