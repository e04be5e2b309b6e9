#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/AudioMixState.h"
#include "panelwick/Mm/AutoLevel.h"
#include "project/MovieObject.h"
#include "project/MovieProperties.h"

// The movie soundtrack computed on demand, from any frame on: the mixdown's rule (objects in
// list order, sums divided by the most that sound at once, the look-ahead normaliser when the
// movie asks for it, clamped and rounded down) as 16-bit stereo frames, 44100 per second.
// The soundtrack file and live playback both read it, so both give the same samples.
//
// Starting at frame t replays, for every object that sounds at t, its processing from its
// begin (level ramps, shelves and fades carry state), and feeds the normaliser the mix of the
// seconds before t that its envelope still remembers (see WarmUpFrames). Objects that ended
// before are not opened. Blocks stay aligned with those of a run from 0, so the samples are
// the same as those of a run from 0.
class SoundtrackMixer {
public:
    static constexpr uint64_t kBlock = 4096;  // frames mixed at a time

    SoundtrackMixer(const std::vector<MovieObject>& objects, const MovieProperties& properties,
                    std::string projectFolder);
    ~SoundtrackMixer();
    SoundtrackMixer(const SoundtrackMixer&) = delete;
    SoundtrackMixer& operator=(const SoundtrackMixer&) = delete;

    // Stereo frames of the whole soundtrack (the length of the movie's frames).
    uint64_t length() const { return total_; }
    // The next frame Read gives.
    uint64_t position() const { return next_; }
    // Moves to soundtrack frame `frame` (clamped to the length).
    void Seek(uint64_t frame);
    // Writes up to `frames` stereo frames (left, right) from the position on; the frames
    // written, 0 at the end.
    size_t Read(int16_t* out, size_t frames);
    // Frames of mix the normaliser is fed before a start, for these objects' loudest level.
    static uint64_t WarmUpFrames(const std::vector<MovieObject>& objects);

private:
    // Adds object k's processed samples of [first, first + count) into sums_.
    void MixObject(size_t k, uint64_t first, size_t count);
    // Mixes the next input block into the pending output.
    void MixNextBlock();
    void CloseAll();

    std::vector<MovieObject> objects_;
    std::string folder_;
    bool normalize_;
    uint64_t total_ = 0;
    double divisor_ = 1.0;
    std::vector<AudioMixState> states_;
    std::unique_ptr<Mm::AutoLevel> level_;
    uint64_t levelStart_ = 0;  // the first input frame the normaliser was fed
    uint64_t input_ = 0;       // the next input frame to mix
    uint64_t next_ = 0;        // the next output frame Read gives
    std::vector<double> sums_, scratch_;
    std::vector<int16_t> pending_;  // output frames from next_ on, not yet read
    size_t pendingRead_ = 0;        // samples of pending_ already read
};
