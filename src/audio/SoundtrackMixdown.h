#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "panelwick/Mt/Task.h"
#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"
#include "project/MovieProperties.h"

// The movie soundtrack: every audio object of the project mixed into one WAVE file of
// 44100 Hz, 16-bit stereo frames, as long as the movie.
//
// Movie creation calls it as its audio stage with output = project folder + "/tmp/movie.wav"
// and the run's window begin; that stage ignores stop requests, so it passes a task of its own
// that nobody cancels.
// The function
//   - deletes an existing output, and writes nothing more when the project has no audio
//     object or windowBegin is not 0 (a window run has no soundtrack);
//   - sums the objects' processed samples in list order and divides the sums by the largest
//     number of audio objects that sound at one frame time (at least 1);
//   - with the movie's normalize volume on, levels the sum through the look-ahead
//     normaliser (its delay is compensated, the frame count stays the same);
//   - clamps to -32767..32767, rounds down and writes;
//   - makes the file SoundtrackLength(MovieFrameCount(...)) frames long, the length of the
//     movie's frames;
//   - sets the task's progress (fraction of the samples done) as it goes.
// The only reported failure is that the output cannot be created. Memory use does not grow
// with the movie's length. A cancelled task (the command line's Ctrl+C) ends the mix early
// with Mt::kStoppedMessage and deletes the output.
Sys::Result MixSoundtrack(const std::vector<MovieObject>& objects,
                          const MovieProperties& properties, const std::string& projectFolder,
                          const std::filesystem::path& output, Mt::Task& task,
                          uint32_t windowBegin = 0);

bool HasAudioObjects(const std::vector<MovieObject>& objects);
// Stereo frames of the soundtrack of a movie of that many frames: frames x 44100 / fps,
// truncated (0 at 0 fps).
uint64_t SoundtrackLength(uint32_t movieFrames, uint8_t fps);
// The largest number of audio objects with begin <= frame time < end over the movie's frame
// times (frame f at f x 1000 / fps ms); 0 when none sounds at any frame time.
uint32_t MaxConcurrentAudio(const std::vector<MovieObject>& objects, uint8_t fps, uint32_t frames);
