#include "app/audio/AudioEditDlg.h"

#include <cstdio>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "audio/CutJob.h"
#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Win/DacCtrl.h"
#include "panelwick/Win/Metrics.h"
#include "panelwick/Win/WaitCursor.h"

AudioEditDlg::AudioEditDlg(AudioToolSettings& settings, QWidget* parent)
    : ToolDialog(parent, "Cut Audio"), settings_(settings) {
    input_ = new QLineEdit;
    input_->setMinimumWidth(Win::CmToPixels(9));
    browse_ = new QPushButton(QStringLiteral("..."));
    browse_->setFixedWidth(Win::CmToPixels(1));
    duration_ = new QLabel;
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Input file")), 0, 0);
    grid->addWidget(input_, 0, 1, 1, 3);
    grid->addWidget(browse_, 0, 4);
    grid->addWidget(duration_, 1, 1, 1, 3);
    std::vector<QWidget*> working = {input_, browse_};
    for (int end = 0; end < 2; ++end) {
        auto* row = new QHBoxLayout;
        for (int seconds = 0; seconds < 2; ++seconds) {
            QLineEdit*& box = times_[end][seconds];
            box = new QLineEdit(QStringLiteral("0"));
            box->setFixedWidth(Win::CmToPixels(1.5));
            box->setAlignment(Qt::AlignRight);
            row->addWidget(box);
            row->addWidget(new QLabel(seconds ? QStringLiteral("sec") : QStringLiteral("min")));
            working.push_back(box);
        }
        row->addStretch();
        grid->addWidget(new QLabel(end ? QStringLiteral("End") : QStringLiteral("Start")), 2 + end,
                        0);
        grid->addLayout(row, 2 + end, 1, 1, 3);
    }
    play_ = new QPushButton(QStringLiteral("Play"));
    stop_ = new QPushButton(QStringLiteral("Stop"));
    output_ = new QPushButton(QStringLiteral("Output"));
    position_ = new QLabel;
    position_->setMinimumWidth(Win::CmToPixels(3));
    auto* transport = new QHBoxLayout;
    transport->addWidget(play_);
    transport->addWidget(stop_);
    transport->addWidget(position_);
    transport->addStretch();
    transport->addWidget(output_);
    grid->addLayout(transport, 4, 0, 1, 5);
    dac_ = new Win::DacCtrl;
    dac_->setWindowTitle(QStringLiteral("Output"));
    grid->addWidget(dac_, 5, 0, 1, 5);
    working.insert(working.end(), {play_, output_});
    SetWorkingControls(working);
    stop_->setEnabled(false);

    connect(browse_, &QPushButton::clicked, this, [this] {
        const std::string path = ChooseFile(this, "Cut Audio", "Wave audio (*.wav)");
        if (!path.empty()) SetInput(path);
    });
    connect(play_, &QPushButton::clicked, this, &AudioEditDlg::Play);
    connect(stop_, &QPushButton::clicked, this, &AudioEditDlg::Stop);
    connect(output_, &QPushButton::clicked, this, &AudioEditDlg::Output);
}

void AudioEditDlg::SetInput(const std::string& path) {
    input_->setText(ToQ(path));
    double seconds = 0;
    if (Mm::WaveFile::GetDuration(path, seconds).failed()) {
        duration_->clear();
        return;
    }
    const int whole = int(seconds + 0.5);
    char text[64];
    std::snprintf(text, sizeof text, "Duration %d:%02d", whole / 60, whole % 60);
    duration_->setText(QString::fromLatin1(text));
}

double AudioEditDlg::Seconds(bool end) const {
    return NumberIn(times_[end][0]) * 60 + NumberIn(times_[end][1]);
}

// Plays the part between the start and the end (to the file's end when the end is not after
// the start).
void AudioEditDlg::Play() {
    if (busy() || dac_->dac().state() != Mm::Dac::State::Closed) return;
    if (Sys::Result r = playback_.Open(FromQ(input_->text()), Seconds(false), Seconds(true));
        r.failed()) {
        playback_.Close();
        Refuse(ToolMessage::Box(r.message(), "AudioEdit"));
        return;
    }
    const Mm::WaveFile& file = playback_.file();
    if (Sys::Result r = dac_->dac().Start(settings_.playOutput, file.samplesPerSecond(),
                                          file.channels(), file.bitsPerSample(), this);
        r.failed()) {
        playback_.Close();
        Refuse(ToolMessage::Box(r.message(), "AudioEdit"));
    }
}

void AudioEditDlg::Stop() {
    dac_->dac().Stop();
}

void AudioEditDlg::Output() {
    if (busy()) return;
    CutJob job;
    if (ToolMessage refusal = job.Plan(FromQ(input_->text()), Seconds(false), Seconds(true));
        refusal.failed()) {
        Refuse(refusal);
        return;
    }
    Mt::TaskResult result;
    {
        Win::WaitCursor wait;
        result = job.Run();
    }
    if (result.failed()) {
        Refuse(ToolMessage::Box(result.message(), CutJob::kCaption));
        return;
    }
    accept();
}

void AudioEditDlg::OnPlayStart(uint32_t, uint32_t, uint32_t) {
    SetBusy(true);
    stop_->setEnabled(true);
}

void AudioEditDlg::OnPlayFill(uint32_t, uint32_t, uint32_t, Mm::WaveHeader& buffer) {
    buffer.bytesRecorded = playback_.Fill(buffer.data, buffer.bufferLength);
    char text[64];
    std::snprintf(text, sizeof text, "%.2f seconds", playback_.Position());
    position_->setText(QString::fromLatin1(text));
}

void AudioEditDlg::OnPlayEnd() {
    SetBusy(false);
    stop_->setEnabled(false);
    playback_.Close();
}
