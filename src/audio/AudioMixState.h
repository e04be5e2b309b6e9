#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "audio/FadeEnvelope.h"
#include "panelwick/Mm/AudioKernels.h"
#include "panelwick/Mm/BufferedWaveFile.h"
#include "panelwick/Mm/ShelfFilter.h"
#include "project/MovieObject.h"

// The run-time audio state of one audio object while the soundtrack is mixed (or the object
// is auditioned): its open WAVE file, fades, bass and treble shelves and level ramps. It is
// rebuilt by Prepare and never stored.
class AudioMixState {
public:
    // Builds the ramps, shelves and fades from the object's fields; other types are ignored.
    void Prepare(const MovieObject& object);

    // The object's contribution to movie sample `index` (44100 per second); false when it
    // contributes nothing. Opens the object's file at its begin time (skipping `skip` ms)
    // and closes it after its end. A file that cannot be opened strictly (16 bits, 44100 Hz,
    // mono or stereo) gives silence without a message and is not tried again.
    bool MixNextSample(const MovieObject& object, const std::string& projectFolder, uint64_t index,
                       double& left, double& right);
    // Reads the next frame and processes it for `seconds` after the object's start: level
    // ramp, bass shelf, treble shelf, fade. False when the file gives no frame or the object
    // is over.
    bool ReadProcessedSample(const MovieObject& object, double seconds, double& left,
                             double& right);
    // Adds the object's contributions to `count` movie samples from `first` on into `sums`
    // (left, right, left, ...): exactly what MixNextSample gives for each index, computed a
    // block at a time with the kernels' filter. `scratch` holds 2 x count doubles.
    void MixBlock(const MovieObject& object, const std::string& projectFolder, uint64_t first,
                  size_t count, double* sums, double* scratch, const Mm::AudioKernels& kernels);
    // Flushes, closes and frees the reader.
    void Close();

    // Opens the object's file strictly (16 bits, 44100 Hz, mono or stereo) at its skip, for
    // an audition that then calls Prepare and ReadProcessedSample; the failure text.
    Sys::Result OpenAtSkip(const MovieObject& object, const std::string& projectFolder);
    // Sample bytes of the open file not yet read into the reader's buffer.
    uint64_t unreadBytes() const { return reader_.unreadBytes(); }
    uint16_t channels() const { return reader_.channels(); }

    const FadeEnvelope& fade() const { return fade_; }
    double leftSlope() const { return leftSlope_; }
    double rightSlope() const { return rightSlope_; }

private:
    bool Open(const MovieObject& object, const std::string& projectFolder);
    // 10^(dB / 20), remembering the last level asked for.
    double Factor(double db) {
        if (db != lastDb_) {
            lastDb_ = db;
            lastFactor_ = std::pow(10.0, db / 20);
        }
        return lastFactor_;
    }

    Mm::BufferedWaveFile reader_;
    FadeEnvelope fade_;
    Mm::ShelfFilter bass_;
    Mm::ShelfFilter treble_;
    double leftSlope_ = 0.0;
    double rightSlope_ = 0.0;
    bool openFailed_ = false;
    double lastDb_ = 0.0;
    double lastFactor_ = 1.0;
};
