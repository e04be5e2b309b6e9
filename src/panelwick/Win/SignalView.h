#pragma once

#include <cstdint>
#include <vector>

#include <QWidget>

namespace Win {

// Shows the last buffer of a sound as the waveform of each channel, left above right. Each
// channel is scaled by the largest absolute value it has shown since the last Clear, so quiet
// sound still fills its lane.
class SignalView : public QWidget {
    Q_OBJECT

public:
    explicit SignalView(QWidget* parent = nullptr);

    // `frames` frames of 8- or 16-bit samples with one or two channels.
    void SetSignal(const uint8_t* data, int channels, int bitsPerSample, int frames);
    void Clear();
    int largest(int channel) const { return largest_[channel]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> samples_[2];
    int largest_[2] = {0, 0};
};

}  // namespace Win
