#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "audio/ToolMessage.h"
#include "audio/WaveFilePlayback.h"
#include "panelwick/Mm/Adc.h"
#include "panelwick/Mm/Dac.h"
#include "panelwick/Mm/WaveFile.h"

// The sound recorder of one folder: records narration from an input device into its WAVE
// files, plays them back, creates empty ones and deletes them. It owns the callbacks of both
// devices, so every call runs on the owner's thread; only one of recording and playback runs
// at a time.
class AudioRecorder : public Mm::IAudioIn, public Mm::IAudioOut {
public:
    AudioRecorder(Mm::Adc& adc, Mm::Dac& dac, std::string folder);
    ~AudioRecorder() override;
    AudioRecorder(const AudioRecorder&) = delete;
    AudioRecorder& operator=(const AudioRecorder&) = delete;

    // Called when a run starts or ends and when the time text changes.
    void SetChangeHandler(std::function<void()> changed) { changed_ = std::move(changed); }

    // The names of the folder's "*.wav" files, sorted without regard to case.
    std::vector<std::string> Files() const;
    // Creates an empty WAVE file "<name>.wav" (44100 Hz, mono, 16 bits); its file name goes
    // to `added`.
    ToolMessage Add(const std::string& name, std::string& added);
    // Records into the selected file (`selected` empty when no file is selected, `listed` the
    // number of files listed), replacing its content. Nothing happens while a run goes on.
    ToolMessage Record(const std::string& selected, size_t listed, int inputDevice, bool monaural,
                       bool mute);
    // Plays the selected file, which must be 16 bits, 44100 Hz, mono or stereo.
    ToolMessage Play(const std::string& selected, size_t listed, int outputDevice);
    void Stop();
    bool Delete(const std::string& name);

    // True from a successful Record or Play until the device has closed.
    bool running() const { return running_; }
    bool recording() const { return recording_; }
    bool playing() const { return playing_; }
    // The time since the run started, "m:ss" ("00:00" as it starts).
    const std::string& timeText() const { return timeText_; }
    std::string PathOf(const std::string& name) const { return folder_ + "/" + name; }

    // "m:ss" of a file's whole seconds; empty when the file cannot be read.
    static std::string DurationText(const std::string& path);
    // The new-file name's check: a title and a text for a balloon, or nothing.
    static ToolMessage CheckName(const std::string& name);

    // Mm::IAudioIn
    void OnRecordStart(uint32_t samplesPerSecond, uint32_t channels, uint32_t bits) override;
    void OnRecordData(uint32_t samplesPerSecond, uint32_t channels, uint32_t bits,
                      Mm::WaveHeader& buffer) override;
    void OnRecordStop() override;
    // Mm::IAudioOut
    void OnPlayStart(uint32_t samplesPerSecond, uint32_t channels, uint32_t bits) override;
    void OnPlayFill(uint32_t samplesPerSecond, uint32_t channels, uint32_t bits,
                    Mm::WaveHeader& buffer) override;
    void OnPlayEnd() override;

private:
    ToolMessage CheckSelection(const std::string& selected, size_t listed) const;
    void StartClock();
    void Tick();
    void Changed() {
        if (changed_) changed_();
    }

    Mm::Adc& adc_;
    Mm::Dac& dac_;
    std::string folder_;
    Mm::WaveFile recordFile_;
    WaveFilePlayback playback_;
    bool mute_ = false;
    bool running_ = false, recording_ = false, playing_ = false;
    std::chrono::steady_clock::time_point start_;
    std::string timeText_ = "00:00";
    std::function<void()> changed_;
};
