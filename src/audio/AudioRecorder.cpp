#include "audio/AudioRecorder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "panelwick/Sys/FileSystem.h"

AudioRecorder::AudioRecorder(Mm::Adc& adc, Mm::Dac& dac, std::string folder)
    : adc_(adc), dac_(dac), folder_(std::move(folder)) {}

AudioRecorder::~AudioRecorder() {
    (void)recordFile_.Close();
    playback_.Close();
}

std::vector<std::string> AudioRecorder::Files() const {
    std::vector<std::string> names = Sys::ListFilesWithExtension(folder_, ".wav");
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return Sys::ToLowerAscii(a) < Sys::ToLowerAscii(b);
    });
    return names;
}

ToolMessage AudioRecorder::CheckName(const std::string& name) {
    if (name.empty()) return ToolMessage::Balloon(0, "Invalid name", "Please provide a name");
    for (char c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            return ToolMessage::Balloon(
                0, "Invalid name",
                "Valid characters are from 'a' to 'z','A' to 'Z', and '0' to '9'");
        }
    }
    return {};
}

ToolMessage AudioRecorder::Add(const std::string& name, std::string& added) {
    const std::string path = folder_ + "/" + name + ".wav";
    if (Sys::FileExists(path)) return ToolMessage::Box("A file with that name already exists");
    Mm::WaveFile file;
    if (Sys::Result r = file.OpenForWritting(44100, 1, 16, path); r.failed()) {
        return ToolMessage::Box(r.message());
    }
    if (Sys::Result r = file.Close(); r.failed()) return ToolMessage::Box(r.message());
    added = name + ".wav";
    return {};
}

std::string AudioRecorder::DurationText(const std::string& path) {
    double seconds = 0;
    if (Mm::WaveFile::GetDuration(path, seconds).failed()) return {};
    const int whole = int(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", whole / 60, whole % 60);
    return text;
}

ToolMessage AudioRecorder::CheckSelection(const std::string& selected, size_t listed) const {
    if (listed == 0) return ToolMessage::Box("Click the Add button to a new audio file");
    if (selected.empty()) return ToolMessage::Box("Select a file from the list");
    return {};
}

ToolMessage AudioRecorder::Record(const std::string& selected, size_t listed, int inputDevice,
                                  bool monaural, bool mute) {
    if (running_ || recording_ || playing_) return {};
    if (ToolMessage m = CheckSelection(selected, listed); m.failed()) return m;
    const uint32_t channels = monaural ? 1 : 2;
    if (Sys::Result r =
            recordFile_.OpenForWritting(44100, uint16_t(channels), 16, PathOf(selected));
        r.failed()) {
        return ToolMessage::Box(r.message());
    }
    mute_ = mute;
    if (Sys::Result r = adc_.Start(inputDevice, 44100, channels, 16, this); r.failed()) {
        (void)recordFile_.Close();
        return ToolMessage::Box(r.message(), "FileRecorder");
    }
    running_ = true;
    Changed();
    return {};
}

ToolMessage AudioRecorder::Play(const std::string& selected, size_t listed, int outputDevice) {
    if (running_ || recording_ || playing_) return {};
    if (ToolMessage m = CheckSelection(selected, listed); m.failed()) return m;
    if (Sys::Result r = playback_.Open(PathOf(selected)); r.failed()) {
        playback_.Close();
        return ToolMessage::Box(r.message());
    }
    const Mm::WaveFile& file = playback_.file();
    std::string refusal;
    if (file.bitsPerSample() != 16) {
        refusal = "The audio file must have a 16 bits resolution";
    } else if (file.samplesPerSecond() != 44100) {
        refusal = "The audio file must have 44100 samples/seconds";
    } else if (file.channels() != 1 && file.channels() != 2) {
        refusal = "The audio file must be mono or stereo";
    } else if (Sys::Result r = dac_.Start(outputDevice, 44100, file.channels(), 16, this);
               r.failed()) {
        refusal = r.message();
    }
    if (!refusal.empty()) {
        playback_.Close();
        return ToolMessage::Box(refusal);
    }
    running_ = true;
    Changed();
    return {};
}

void AudioRecorder::Stop() {
    adc_.Stop();
    if (dac_.state() != Mm::Dac::State::Closed) dac_.Stop();
}

bool AudioRecorder::Delete(const std::string& name) {
    return Sys::DeleteFile(PathOf(name));
}

void AudioRecorder::StartClock() {
    start_ = std::chrono::steady_clock::now();
    timeText_ = "00:00";
    Changed();
}

void AudioRecorder::Tick() {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    const int seconds = int(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count());
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    if (timeText_ != text) {
        timeText_ = text;
        Changed();
    }
}

void AudioRecorder::OnRecordStart(uint32_t, uint32_t, uint32_t) {
    recording_ = true;
    StartClock();
}

// Muted, the recorder writes silence of the same length.
void AudioRecorder::OnRecordData(uint32_t, uint32_t, uint32_t, Mm::WaveHeader& buffer) {
    if (mute_) std::memset(buffer.data, 0, buffer.bytesRecorded);
    (void)recordFile_.Write(buffer.data, int32_t(buffer.bytesRecorded));
    Tick();
}

void AudioRecorder::OnRecordStop() {
    recording_ = false;
    running_ = false;
    (void)recordFile_.Close();
    Changed();
}

void AudioRecorder::OnPlayStart(uint32_t, uint32_t, uint32_t) {
    playing_ = true;
    StartClock();
}

void AudioRecorder::OnPlayFill(uint32_t, uint32_t, uint32_t, Mm::WaveHeader& buffer) {
    buffer.bytesRecorded = playback_.Fill(buffer.data, buffer.bufferLength);
    Tick();
}

void AudioRecorder::OnPlayEnd() {
    playing_ = false;
    running_ = false;
    playback_.Close();
    Changed();
}
