#include "app/audio/NormVolDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "audio/NormalizeJob.h"
#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Win/Metrics.h"

namespace {

constexpr const char* kCaption = NormalizeJob::kCaption;
constexpr int kDoneValue = 100;

}  // namespace

NormVolDlg::NormVolDlg(QWidget* parent) : ToolDialog(parent, kCaption) {
    input_ = new QLineEdit;
    input_->setMinimumWidth(Win::CmToPixels(9));
    browse_ = new QPushButton(QStringLiteral("..."));
    browse_->setFixedWidth(Win::CmToPixels(1));
    duration_ = new QLabel;
    normalize_ = new QPushButton(QStringLiteral("Normalize"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Input file")), 0, 0);
    grid->addWidget(input_, 0, 1);
    grid->addWidget(browse_, 0, 2);
    grid->addWidget(duration_, 1, 1);
    grid->addWidget(normalize_, 2, 1, 1, 2, Qt::AlignRight);
    connect(browse_, &QPushButton::clicked, this, [this] {
        const std::string path = ChooseFile(this, kCaption, "Wave audio (*.wav)");
        if (!path.empty()) SetInput(path);
    });
    connect(normalize_, &QPushButton::clicked, this, &NormVolDlg::Normalize);
    SetWorkingControls({input_, browse_, normalize_});
    SetWorkerCaption(kCaption);
}

void NormVolDlg::SetInput(const std::string& path) {
    input_->setText(ToQ(path));
    double seconds = 0;
    duration_->setText(Mm::WaveFile::GetDuration(path, seconds).ok()
                           ? ToQ(Mm::WaveFile::DurationText(seconds))
                           : QString());
}

void NormVolDlg::Normalize() {
    if (busy()) return;
    NormalizeJob job;
    if (ToolMessage refusal = job.Plan(FromQ(input_->text())); refusal.failed()) {
        Refuse(refusal);
        return;
    }
    setWindowTitle(QStringLiteral("Working . . ."));
    StartWorker([job](Mt::Task& task) { return job.Run(task); }, kDoneValue);
}

void NormVolDlg::WorkerFinished(const std::string& error, const char* caption) {
    setWindowTitle(QString::fromUtf8(kCaption));
    ToolDialog::WorkerFinished(error, caption);
}
