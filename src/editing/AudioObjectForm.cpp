#include "editing/AudioObjectForm.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Sys/Utf.h"

namespace {

constexpr const char* kInvalidFile = "Invalid Audio File";

uint32_t ClampToMs(double ms) {
    if (!(ms > 0)) return 0;
    return ms >= 4294967295.0 ? 4294967295u : uint32_t(ms);
}

template <class T>
T Clamp(int64_t value, int low, int high) {
    return T(std::clamp<int64_t>(value, low, high));
}

}  // namespace

ToolMessage CheckAudioFile(const std::string& path, uint32_t& durationMs) {
    Mm::WaveFile file;
    if (Sys::Result r = file.OpenForReading(path); r.failed()) {
        return ToolMessage::Box(r.message(), kInvalidFile);
    }
    if (file.channels() != 1 && file.channels() != 2) {
        return ToolMessage::Box("The number of channels must be one or two", kInvalidFile);
    }
    if (file.samplesPerSecond() != 44100) {
        return ToolMessage::Box("The number of samples per second must be 44100", kInvalidFile);
    }
    if (file.bitsPerSample() != 16) {
        return ToolMessage::Box("The audio resolution must be 16 bits", kInvalidFile);
    }
    const uint64_t frames = file.dataBytes() / (2u * file.channels());
    if (frames == 0) return ToolMessage::Box("The audio file is empty", kInvalidFile);
    durationMs = uint32_t(frames * 1000 / 44100);
    return {};
}

std::string AudioDurationText(uint32_t durationMs) {
    const unsigned seconds = durationMs / 1000;
    char text[64];
    std::snprintf(text, sizeof text, "Duration: %u:%02u", seconds / 60, seconds % 60);
    return text;
}

uint32_t MinutesSecondsToMs(double minutes, double seconds) {
    return ClampToMs(std::trunc((minutes * 60 + seconds) * 1000));
}

void SplitMinutesSeconds(uint32_t ms, int& minutes, std::string& seconds) {
    minutes = int(ms / 60000);
    const uint32_t rest = ms % 60000;
    char text[32];
    if (rest % 1000 == 0) {
        std::snprintf(text, sizeof text, "%02d", int(rest / 1000));
    } else {
        std::snprintf(text, sizeof text, "%06.3f", rest / 1000.0);
        std::string s = text;
        s.erase(s.find_last_not_of('0') + 1);
        seconds = s;
        return;
    }
    seconds = text;
}

std::string PlayPositionText(double seconds) {
    if (!(seconds >= 1)) return "0:00";
    const int whole = int(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", whole / 60, whole % 60);
    return text;
}

AudioObjectForm AudioObjectForm::FromObject(const MovieObject& object) {
    AudioObjectForm form;
    form.fileName = Sys::ToUtf8(object.fileName);
    form.beginMinutes = object.begin / 60000;
    form.beginSeconds = (object.begin % 60000) / 1000.0;
    form.endMinutes = object.end / 60000;
    form.endSeconds = (object.end % 60000) / 1000.0;
    form.skipMinutes = object.skip / 60000;
    form.skipSeconds = (object.skip % 60000) / 1000.0;
    form.beginLeft = object.beginState.volumeLeft;
    form.beginRight = object.beginState.volumeRight;
    form.endLeft = object.endState.volumeLeft;
    form.endRight = object.endState.volumeRight;
    form.fadeIn = object.beginState.fadeRate;
    form.fadeOut = object.endState.fadeRate;
    form.bassFrequency = object.bassFrequency;
    form.bassGain = object.bassGain;
    form.trebleFrequency = object.trebleFrequency;
    form.trebleGain = object.trebleGain;
    return form;
}

uint32_t AudioObjectForm::BeginMs() const {
    return MinutesSecondsToMs(beginMinutes, beginSeconds);
}

uint32_t AudioObjectForm::EndMs() const {
    return MinutesSecondsToMs(endMinutes, endSeconds);
}

// The skip rounds to the nearest millisecond where the times truncate.
uint32_t AudioObjectForm::SkipMs() const {
    return ClampToMs(std::trunc((skipMinutes * 60 + skipSeconds) * 1000 + 0.5));
}

ToolMessage AudioObjectForm::Collect(const std::string& projectFolder, bool forOk,
                                     uint32_t& durationMs, MovieObject& object) const {
    if (fileName.empty()) return ToolMessage::Box("Please select an audio file");
    const uint32_t begin = BeginMs(), end = EndMs();
    if (begin >= end) return ToolMessage::Balloon(kEndField, "Invalid T2", "T2 be bigger than T2");
    MovieObject o = object;
    o.fileName = Sys::ToUtf16(fileName);
    o.begin = begin;
    o.end = end;
    o.beginState.volumeLeft = Clamp<int8_t>(beginLeft, kVolumeMin, kVolumeMax);
    o.beginState.volumeRight = Clamp<int8_t>(beginRight, kVolumeMin, kVolumeMax);
    o.endState.volumeLeft = Clamp<int8_t>(endLeft, kVolumeMin, kVolumeMax);
    o.endState.volumeRight = Clamp<int8_t>(endRight, kVolumeMin, kVolumeMax);
    o.beginState.fadeRate = Clamp<int16_t>(fadeIn, kFadeMin, kFadeMax);
    o.endState.fadeRate = Clamp<int16_t>(fadeOut, kFadeMin, kFadeMax);
    o.bassFrequency = Clamp<uint8_t>(bassFrequency, kBassMin, kBassMax);
    o.trebleFrequency = Clamp<uint16_t>(trebleFrequency, kTrebleMin, kTrebleMax);
    o.bassGain = Clamp<int8_t>(bassGain, kGainMin, kGainMax);
    o.trebleGain = Clamp<int8_t>(trebleGain, kGainMin, kGainMax);
    if (forOk) {
        ToolMessage check = CheckAudioFile(projectFolder + "/" + fileName, durationMs);
        if (check.failed()) return check;
    }
    const uint32_t skip = SkipMs();
    o.skip = skip < durationMs ? skip : 0;
    o.end = uint32_t(std::min<int64_t>(o.end, int64_t(o.begin) - o.skip + durationMs));
    object = o;
    return {};
}

ToolMessage AudioObjectForm::CheckSkipForPlay(uint32_t durationMs) const {
    if (SkipMs() < durationMs) return {};
    return ToolMessage::Balloon(kSkipField, "Invalid skip value",
                                "The skip value must be less than the duration");
}
