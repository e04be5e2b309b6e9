#include "app/audio/AudioDlg.h"

#include <algorithm>
#include <filesystem>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "app/audio/DeviceList.h"
#include "panelwick/Mm/Dac.h"
#include "panelwick/Win/DacCtrl.h"
#include "panelwick/Win/Metrics.h"
#include "panelwick/Win/SignalView.h"

namespace {

QLineEdit* NumberBox(double widthCm) {
    auto* box = new QLineEdit;
    box->setFixedWidth(Win::CmToPixels(widthCm));
    box->setAlignment(Qt::AlignRight);
    return box;
}

// A horizontal slider with its name on the left and its scale's labels below.
QWidget* SliderWithScale(const char* name, QSlider*& slider, int low, int high, const char* lowText,
                         const char* middleText, const char* highText) {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    slider = new QSlider(Qt::Horizontal);
    slider->setRange(low, high);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval((high - low) / 4);
    slider->setPageStep(std::max(1, (high - low) / 10));
    slider->setMinimumWidth(Win::CmToPixels(3.2));
    auto* label = new QLabel(QString::fromUtf8(name));
    label->setMinimumWidth(Win::CmToPixels(1.0));
    grid->addWidget(label, 0, 0);
    grid->addWidget(slider, 0, 1, 1, 3);
    auto scale = [&](const char* text, int column, Qt::Alignment align) {
        auto* tick = new QLabel(QString::fromUtf8(text));
        QFont font = tick->font();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        tick->setFont(font);
        grid->addWidget(tick, 1, column, align);
    };
    scale(lowText, 1, Qt::AlignLeft);
    scale(middleText, 2, Qt::AlignHCenter);
    scale(highText, 3, Qt::AlignRight);
    return box;
}

// "min : sec" boxes of a time.
QWidget* TimeBoxes(QLineEdit*& minutes, QLineEdit*& seconds) {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    minutes = NumberBox(1.1);
    seconds = NumberBox(1.5);
    minutes->setToolTip(QStringLiteral("Minutes"));
    seconds->setToolTip(QStringLiteral("Seconds"));
    row->addWidget(minutes);
    row->addWidget(new QLabel(QStringLiteral(":")));
    row->addWidget(seconds);
    row->addStretch();
    return box;
}

}  // namespace

AudioDlg::AudioDlg(const MovieObject& object, std::string projectFolder,
                   AudioToolSettings& settings, QWidget* parent)
    : ToolDialog(parent, "Audio"),
      object_(object),
      folder_(std::move(projectFolder)),
      settings_(settings) {
    Build();
    const AudioObjectForm form = AudioObjectForm::FromObject(object_);
    Fill(form);
    // A file chosen before shows its duration; an unreadable one shows none until chosen.
    if (!form.fileName.empty() &&
        !CheckAudioFile(folder_ + "/" + form.fileName, durationMs_).failed()) {
        duration_->setText(ToQ(AudioDurationText(durationMs_)));
    }
    FillDeviceList(devices_, Mm::Dac::DeviceNames(), settings_.playOutput);
    stop_->setEnabled(false);
}

void AudioDlg::Build() {
    auto* layout = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    fileName_ = new QLineEdit;
    fileName_->setReadOnly(true);
    fileName_->setMinimumWidth(Win::CmToPixels(7));
    browse_ = new QPushButton(QStringLiteral("..."));
    browse_->setFixedWidth(Win::CmToPixels(1));
    duration_ = new QLabel;
    duration_->setMinimumWidth(Win::CmToPixels(3));
    fileRow->addWidget(new QLabel(QStringLiteral("Audio file name")));
    fileRow->addWidget(fileName_, 1);
    fileRow->addWidget(browse_);
    fileRow->addWidget(duration_);
    layout->addLayout(fileRow);

    // Begin and End: the time, the two level sliders and the fade rate.
    auto* states = new QHBoxLayout;
    for (int end = 0; end < 2; ++end) {
        auto* group = new QGroupBox(end ? QStringLiteral("End") : QStringLiteral("Begin"));
        auto* grid = new QGridLayout(group);
        grid->addWidget(new QLabel(end ? QStringLiteral("T2") : QStringLiteral("T1")), 0, 0);
        grid->addWidget(
            end ? TimeBoxes(endMinutes_, endSeconds_) : TimeBoxes(beginMinutes_, beginSeconds_), 0,
            1);
        grid->addWidget(SliderWithScale("Left", volumes_[end][0], AudioObjectForm::kVolumeMin,
                                        AudioObjectForm::kVolumeMax, "-50 dB", "0 dB", "50 dB"),
                        1, 0, 1, 2);
        grid->addWidget(SliderWithScale("Right", volumes_[end][1], AudioObjectForm::kVolumeMin,
                                        AudioObjectForm::kVolumeMax, "-50 dB", "0 dB", "50 dB"),
                        2, 0, 1, 2);
        QLineEdit*& rate = end ? fadeOut_ : fadeIn_;
        rate = NumberBox(1.6);
        rate->setToolTip(end ? QStringLiteral("Fade-out rate") : QStringLiteral("Fade-in rate"));
        auto* rateRow = new QHBoxLayout;
        rateRow->addWidget(rate);
        rateRow->addWidget(new QLabel(QStringLiteral("dB/sec")));
        rateRow->addStretch();
        grid->addLayout(rateRow, 3, 0, 1, 2);
        states->addWidget(group);
    }
    layout->addLayout(states);

    // Bass and treble shelves, and the skip into the file.
    auto* shelves = new QHBoxLayout;
    for (int treble = 0; treble < 2; ++treble) {
        auto* group = new QGroupBox(treble ? QStringLiteral("Treble") : QStringLiteral("Bass"));
        auto* grid = new QGridLayout(group);
        QLineEdit*& frequency = treble ? trebleFrequency_ : bassFrequency_;
        frequency = NumberBox(1.6);
        auto* frequencyRow = new QHBoxLayout;
        frequencyRow->addWidget(frequency);
        frequencyRow->addWidget(new QLabel(QStringLiteral("Hz")));
        frequencyRow->addStretch();
        grid->addLayout(frequencyRow, 0, 0);
        grid->addWidget(
            SliderWithScale("Gain", treble ? trebleGain_ : bassGain_, AudioObjectForm::kGainMin,
                            AudioObjectForm::kGainMax, "-12 dB", "", "12 dB"),
            1, 0);
        shelves->addWidget(group, 1);
    }
    auto* skip = new QGroupBox(QStringLiteral("Skip"));
    auto* skipLayout = new QVBoxLayout(skip);
    skipLayout->addWidget(TimeBoxes(skipMinutes_, skipSeconds_));
    skipLayout->addStretch();
    shelves->addWidget(skip);
    layout->addLayout(shelves);

    // The audition.
    auto* playRow = new QHBoxLayout;
    devices_ = new QComboBox;
    devices_->setMinimumWidth(Win::CmToPixels(5));
    play_ = new QPushButton(QStringLiteral("Play"));
    stop_ = new QPushButton(QStringLiteral("Stop"));
    time_ = new QLabel;
    time_->setMinimumWidth(Win::CmToPixels(1.5));
    playRow->addWidget(devices_, 1);
    playRow->addWidget(play_);
    playRow->addWidget(stop_);
    playRow->addWidget(time_);
    layout->addLayout(playRow);
    dac_ = new Win::DacCtrl;
    dac_->setWindowTitle(QStringLiteral("Output"));
    layout->addWidget(dac_);
    signal_ = new Win::SignalView;
    signal_->setFixedHeight(Win::CmToPixels(1.8));
    layout->addWidget(signal_);

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(QStringLiteral("OK"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    ok_->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(browse_, &QPushButton::clicked, this, &AudioDlg::Browse);
    connect(play_, &QPushButton::clicked, this, &AudioDlg::Play);
    connect(stop_, &QPushButton::clicked, this, &AudioDlg::Stop);
    connect(ok_, &QPushButton::clicked, this, &AudioDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &AudioDlg::reject);
    connect(devices_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) settings_.playOutput = index;
    });

    SetWorkingControls({browse_,          beginMinutes_,  beginSeconds_,  endMinutes_,
                        endSeconds_,      volumes_[0][0], volumes_[0][1], volumes_[1][0],
                        volumes_[1][1],   fadeIn_,        fadeOut_,       bassFrequency_,
                        trebleFrequency_, bassGain_,      trebleGain_,    skipMinutes_,
                        skipSeconds_,     devices_,       play_,          ok_,
                        cancel_});
}

void AudioDlg::Fill(const AudioObjectForm& form) {
    auto time = [](QLineEdit* minutes, QLineEdit* seconds, uint32_t ms) {
        int m;
        std::string s;
        SplitMinutesSeconds(ms, m, s);
        minutes->setText(QString::number(m));
        seconds->setText(ToQ(s));
    };
    fileName_->setText(ToQ(form.fileName));
    time(beginMinutes_, beginSeconds_, object_.begin);
    time(endMinutes_, endSeconds_, object_.end);
    time(skipMinutes_, skipSeconds_, object_.skip);
    volumes_[0][0]->setValue(form.beginLeft);
    volumes_[0][1]->setValue(form.beginRight);
    volumes_[1][0]->setValue(form.endLeft);
    volumes_[1][1]->setValue(form.endRight);
    fadeIn_->setText(QString::number(form.fadeIn));
    fadeOut_->setText(QString::number(form.fadeOut));
    bassFrequency_->setText(QString::number(form.bassFrequency));
    trebleFrequency_->setText(QString::number(form.trebleFrequency));
    bassGain_->setValue(form.bassGain);
    trebleGain_->setValue(form.trebleGain);
}

AudioObjectForm AudioDlg::Read() const {
    AudioObjectForm form;
    form.fileName = FromQ(fileName_->text());
    form.beginMinutes = NumberIn(beginMinutes_);
    form.beginSeconds = NumberIn(beginSeconds_);
    form.endMinutes = NumberIn(endMinutes_);
    form.endSeconds = NumberIn(endSeconds_);
    form.skipMinutes = NumberIn(skipMinutes_);
    form.skipSeconds = NumberIn(skipSeconds_);
    form.beginLeft = volumes_[0][0]->value();
    form.beginRight = volumes_[0][1]->value();
    form.endLeft = volumes_[1][0]->value();
    form.endRight = volumes_[1][1]->value();
    form.fadeIn = int64_t(NumberIn(fadeIn_));
    form.fadeOut = int64_t(NumberIn(fadeOut_));
    form.bassFrequency = int64_t(NumberIn(bassFrequency_));
    form.trebleFrequency = int64_t(NumberIn(trebleFrequency_));
    form.bassGain = bassGain_->value();
    form.trebleGain = trebleGain_->value();
    return form;
}

QWidget* AudioDlg::FieldOf(const ToolMessage& message) const {
    switch (message.field) {
        case AudioObjectForm::kEndField:
            return endSeconds_;
        case AudioObjectForm::kSkipField:
            return skipSeconds_;
        default:
            return nullptr;
    }
}

// The chooser starts in the project folder; a file elsewhere is kept relative to it.
void AudioDlg::Browse() {
    const std::string path =
        ToolDialog::ChooseFile(this, "Audio file name", "Wave audio (*.wav)", folder_ + "/");
    if (path.empty()) return;
    std::error_code error;
    std::string name = std::filesystem::relative(path, folder_, error).generic_string();
    if (error || name.empty()) name = path;
    ChooseFile(name);
}

bool AudioDlg::ChooseFile(const std::string& fileName) {
    uint32_t duration = 0;
    const ToolMessage check = CheckAudioFile(folder_ + "/" + fileName, duration);
    if (check.failed()) {
        Refuse(check);
        return false;
    }
    durationMs_ = duration;
    fileName_->setText(ToQ(fileName));
    duration_->setText(ToQ(AudioDurationText(durationMs_)));
    return true;
}

void AudioDlg::accept() {
    if (busy()) return;
    MovieObject edited = object_;
    const ToolMessage refusal = Read().Collect(folder_, true, durationMs_, edited);
    if (refusal.failed()) {
        Refuse(refusal, FieldOf(refusal));
        return;
    }
    object_ = edited;
    ToolDialog::accept();
}

void AudioDlg::Play() {
    if (busy() || dac_->dac().state() != Mm::Dac::State::Closed) return;
    const AudioObjectForm form = Read();
    MovieObject edited = object_;
    ToolMessage refusal = form.Collect(folder_, false, durationMs_, edited);
    if (!refusal.failed()) refusal = form.CheckSkipForPlay(durationMs_);
    if (refusal.failed()) {
        Refuse(refusal, FieldOf(refusal));
        return;
    }
    if (Sys::Result r = audition_.Open(edited, folder_); r.failed()) {
        audition_.Close();
        Refuse(ToolMessage::Box(r.message(), "CreateMovie"));
        return;
    }
    signal_->Clear();
    if (Sys::Result r = dac_->dac().Start(devices_->currentIndex(), 44100, 2, 16, this);
        r.failed()) {
        audition_.Close();
        Refuse(ToolMessage::Box(r.message(), "CreateMovie"));
    }
}

void AudioDlg::Stop() {
    dac_->dac().Stop();
}

void AudioDlg::OnPlayStart(uint32_t, uint32_t, uint32_t) {
    SetBusy(true);
    stop_->setEnabled(true);
}

void AudioDlg::OnPlayFill(uint32_t, uint32_t channels, uint32_t bits, Mm::WaveHeader& buffer) {
    buffer.bytesRecorded = 0;
    if (channels != 2) return;
    buffer.bytesRecorded = audition_.Fill(buffer.data, buffer.bufferLength);
    time_->setText(ToQ(PlayPositionText(audition_.FilePosition(durationMs_))));
    signal_->SetSignal(buffer.data, int(channels), int(bits), int(buffer.bytesRecorded / 4));
}

void AudioDlg::OnPlayEnd() {
    SetBusy(false);
    stop_->setEnabled(false);
    time_->clear();
    audition_.Close();
}
