#pragma once

#include <cstdint>
#include <string>

#include "audio/ToolMessage.h"
#include "project/MovieObject.h"

// The audio object editor's fields as the user entered them, and the rules that turn them
// into the object's fields.
struct AudioObjectForm {
    // Fields that a refusal's balloon points at.
    enum Field { kNoField = 0, kEndField = 1, kSkipField = 2 };

    // Ranges of the controls.
    static constexpr int kVolumeMin = -50, kVolumeMax = 50;
    static constexpr int kFadeMin = -5000, kFadeMax = 5000;
    static constexpr int kBassMin = 40, kBassMax = 200;
    static constexpr int kTrebleMin = 1000, kTrebleMax = 15000;
    static constexpr int kGainMin = -12, kGainMax = 12;

    std::string fileName;  // relative to the project folder; empty while none is chosen
    double beginMinutes = 0, beginSeconds = 0;
    double endMinutes = 0, endSeconds = 0;
    int beginLeft = 0, beginRight = 0, endLeft = 0, endRight = 0;  // dB
    int64_t fadeIn = 0, fadeOut = 0;                               // dB per second
    int64_t bassFrequency = 120, trebleFrequency = 4000;           // Hz
    int bassGain = 0, trebleGain = 0;                              // dB
    double skipMinutes = 0, skipSeconds = 0;

    static AudioObjectForm FromObject(const MovieObject& object);

    // Writes the fields into `object` (its other fields stay). For OK (`forOk`) the file is
    // checked again and durationMs updated from it; an audition uses the duration the dialog
    // knows. The skip is kept only when less than the duration, and the end is limited so
    // that the object never outlasts its file.
    ToolMessage Collect(const std::string& projectFolder, bool forOk, uint32_t& durationMs,
                        MovieObject& object) const;
    // An audition refuses a skip that reaches the file's end.
    ToolMessage CheckSkipForPlay(uint32_t durationMs) const;

    uint32_t BeginMs() const;
    uint32_t EndMs() const;
    uint32_t SkipMs() const;
};

// The checks of a chosen audio file, each refusal under the caption "Invalid Audio File";
// on success the file's duration in milliseconds.
ToolMessage CheckAudioFile(const std::string& path, uint32_t& durationMs);
// "Duration: m:ss"
std::string AudioDurationText(uint32_t durationMs);
// truncate((minutes x 60 + seconds) x 1000), within 0 .. 2^32 - 1.
uint32_t MinutesSecondsToMs(double minutes, double seconds);
// A time split for a minutes box and a seconds box; seconds as "05" or "05.25".
void SplitMinutesSeconds(uint32_t ms, int& minutes, std::string& seconds);
// "m:ss" of the whole seconds, "0:00" below one second.
std::string PlayPositionText(double seconds);
