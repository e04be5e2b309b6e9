#include "app/audio/RecordAudioDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/audio/DeviceList.h"
#include "app/audio/NameDlg.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Win/AdcCtrl.h"
#include "panelwick/Win/DacCtrl.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/Metrics.h"

RecordAudioDlg::RecordAudioDlg(std::string folder, AudioToolSettings& settings, QWidget* parent)
    : ToolDialog(parent, "Record Audio"), settings_(settings) {
    adc_ = new Win::AdcCtrl;
    adc_->setWindowTitle(QStringLiteral("Input"));
    dac_ = new Win::DacCtrl;
    dac_->setWindowTitle(QStringLiteral("Output"));
    recorder_ = std::make_unique<AudioRecorder>(adc_->adc(), dac_->dac(), std::move(folder));

    files_ = new QListWidget;
    files_->setMinimumSize(Win::CmToPixels(5), Win::CmToPixels(5));
    inputs_ = new QComboBox;
    outputs_ = new QComboBox;
    monaural_ = new QCheckBox(QStringLiteral("Monoaural"));
    mute_ = new QCheckBox(QStringLiteral("Mute recorder"));
    add_ = new QPushButton(QStringLiteral("Add"));
    record_ = new QPushButton(QStringLiteral("Record"));
    play_ = new QPushButton(QStringLiteral("Play"));
    stop_ = new QPushButton(QStringLiteral("Stop"));
    delete_ = new QPushButton(QStringLiteral("Delete"));
    time_ = new QLabel(QStringLiteral("00:00"));
    duration_ = new QLabel;
    QFont big = time_->font();
    big.setPixelSize(Win::CmToPixels(0.6));
    time_->setFont(big);

    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(files_, 1);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(add_);
    fileButtons->addWidget(delete_);
    left->addLayout(fileButtons);
    layout->addLayout(left);
    auto* right = new QGridLayout;
    right->addWidget(new QLabel(QStringLiteral("Input")), 0, 0);
    right->addWidget(inputs_, 0, 1);
    right->addWidget(new QLabel(QStringLiteral("Output")), 1, 0);
    right->addWidget(outputs_, 1, 1);
    right->addWidget(monaural_, 2, 1);
    right->addWidget(mute_, 3, 1);
    auto* transport = new QHBoxLayout;
    transport->addWidget(record_);
    transport->addWidget(play_);
    transport->addWidget(stop_);
    right->addLayout(transport, 4, 0, 1, 2);
    auto* times = new QHBoxLayout;
    times->addWidget(time_);
    times->addStretch();
    times->addWidget(duration_);
    right->addLayout(times, 5, 0, 1, 2);
    right->addWidget(adc_, 6, 0, 1, 2);
    right->addWidget(dac_, 7, 0, 1, 2);
    right->setRowStretch(8, 1);
    right->setColumnMinimumWidth(1, Win::CmToPixels(6));
    layout->addLayout(right);

    connect(add_, &QPushButton::clicked, this, &RecordAudioDlg::Add);
    connect(record_, &QPushButton::clicked, this, &RecordAudioDlg::Record);
    connect(play_, &QPushButton::clicked, this, &RecordAudioDlg::Play);
    connect(stop_, &QPushButton::clicked, this, &RecordAudioDlg::Stop);
    connect(delete_, &QPushButton::clicked, this, &RecordAudioDlg::Delete);
    connect(files_, &QListWidget::currentRowChanged, this, &RecordAudioDlg::ShowSelection);
    connect(inputs_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) settings_.recordInput = index;
    });
    connect(outputs_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) settings_.recordOutput = index;
    });
    connect(monaural_, &QCheckBox::toggled, this, [this](bool on) { settings_.monaural = on; });
    connect(mute_, &QCheckBox::toggled, this, [this](bool on) { settings_.muteRecorder = on; });
    recorder_->SetChangeHandler([this] { Changed(); });
    SetWorkingControls(
        {files_, inputs_, outputs_, monaural_, mute_, add_, record_, play_, delete_});

    RefillFiles();
    FillDeviceList(inputs_, Mm::Adc::DeviceNames(), settings_.recordInput);
    FillDeviceList(outputs_, Mm::Dac::DeviceNames(), settings_.recordOutput);
    monaural_->setChecked(settings_.monaural);
    mute_->setChecked(settings_.muteRecorder);
    stop_->setEnabled(false);
}

RecordAudioDlg::~RecordAudioDlg() {
    recorder_->SetChangeHandler(nullptr);
}

std::string RecordAudioDlg::Selected() const {
    const QListWidgetItem* item = files_->currentItem();
    return item != nullptr && item->isSelected() ? FromQ(item->text()) : std::string();
}

void RecordAudioDlg::RefillFiles(const std::string& select) {
    files_->clear();
    const QString wanted = ToQ(select);
    for (const std::string& name : recorder_->Files()) {
        files_->addItem(ToQ(name));
        if (!select.empty() && ToQ(name).compare(wanted, Qt::CaseInsensitive) == 0) {
            files_->setCurrentRow(files_->count() - 1);
        }
    }
    ShowSelection();
}

void RecordAudioDlg::ShowSelection() {
    const std::string name = Selected();
    duration_->setText(name.empty() ? QString()
                                    : ToQ(AudioRecorder::DurationText(recorder_->PathOf(name))));
}

void RecordAudioDlg::Add() {
    NameDlg ask(this);
    if (ask.exec() != QDialog::Accepted) return;
    std::string added;
    const ToolMessage refusal = recorder_->Add(ask.name(), added);
    if (refusal.failed()) {
        Refuse(refusal);
        return;
    }
    RefillFiles(added);
}

void RecordAudioDlg::Record() {
    const ToolMessage refusal =
        recorder_->Record(Selected(), size_t(files_->count()), inputs_->currentIndex(),
                          monaural_->isChecked(), mute_->isChecked());
    Refuse(refusal);
}

void RecordAudioDlg::Play() {
    Refuse(recorder_->Play(Selected(), size_t(files_->count()), outputs_->currentIndex()));
}

void RecordAudioDlg::Stop() {
    recorder_->Stop();
}

void RecordAudioDlg::Delete() {
    const std::string name = Selected();
    if (name.empty() || busy()) return;
    if (!Win::MessageBox::AskYesNo(this, "Are you sure you want to delete the audio?",
                                   "Record Audio")) {
        return;
    }
    (void)recorder_->Delete(name);
    RefillFiles();
}

// A run disables everything but Stop and keeps the dialog open until the device has closed.
void RecordAudioDlg::Changed() {
    time_->setText(ToQ(recorder_->timeText()));
    const bool running = recorder_->running();
    if (running == busy()) return;
    SetBusy(running);
    stop_->setEnabled(running);
    if (!running) ShowSelection();
}
