#include "app/audio/MixBalanceDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "audio/MixJob.h"
#include "panelwick/Win/Metrics.h"

namespace {

constexpr int kDoneValue = 111;  // the mix tool's completion notice carries 111 and 111
constexpr const char* kFilter = "Wave audio (*.wav)";

}  // namespace

MixBalanceDlg::MixBalanceDlg(AudioToolSettings& settings, QWidget* parent)
    : ToolDialog(parent, "Mix Audio Files"), settings_(settings) {
    auto* grid = new QGridLayout(this);
    std::vector<QWidget*> working;
    auto fileRow = [&](int row, const char* label, QLineEdit*& box, bool save) {
        box = new QLineEdit;
        box->setMinimumWidth(Win::CmToPixels(9));
        auto* browse = new QPushButton(QStringLiteral("..."));
        browse->setFixedWidth(Win::CmToPixels(1));
        grid->addWidget(new QLabel(QString::fromUtf8(label)), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(browse, row, 2);
        connect(browse, &QPushButton::clicked, this, [this, box, label, save] {
            const std::string path =
                save ? ChooseOutputFile(this, label, kFilter) : ChooseFile(this, label, kFilter);
            if (!path.empty()) box->setText(ToQ(path));
        });
        working.insert(working.end(), {box, browse});
    };
    fileRow(0, "Input 1", input1_, false);
    fileRow(1, "Input 2", input2_, false);
    fileRow(2, "Output", output_, true);

    balance_ = new QSlider(Qt::Horizontal);
    balance_->setRange(1, 100);
    balance_->setValue(settings_.mixBalance);
    auto* balanceRow = new QHBoxLayout;
    balanceRow->addWidget(new QLabel(QStringLiteral("Voice")));
    balanceRow->addWidget(balance_, 1);
    balanceRow->addWidget(new QLabel(QStringLiteral("Music")));
    grid->addLayout(balanceRow, 3, 1);
    loop_ = new QCheckBox(QStringLiteral("Loop"));
    autoLevel_ = new QCheckBox(QStringLiteral("Auto Level"));
    loop_->setChecked(settings_.mixLoop);
    autoLevel_->setChecked(settings_.mixAutoLevel);
    auto* checks = new QHBoxLayout;
    checks->addWidget(loop_);
    checks->addWidget(autoLevel_);
    checks->addStretch();
    start_ = new QPushButton(QStringLiteral("Start"));
    checks->addWidget(start_);
    grid->addLayout(checks, 4, 1, 1, 2);

    connect(start_, &QPushButton::clicked, this, &MixBalanceDlg::Start);
    working.insert(working.end(), {balance_, loop_, autoLevel_, start_});
    SetWorkingControls(working);
    SetWorkerCaption(MixJob::kCaption);
}

void MixBalanceDlg::Start() {
    if (busy()) return;
    const std::string input1 = FromQ(input1_->text()), input2 = FromQ(input2_->text());
    const std::string output = FromQ(output_->text());
    MixJob job;
    if (ToolMessage refusal = job.Plan(input1, input2, output, balance_->value(),
                                       loop_->isChecked(), autoLevel_->isChecked());
        refusal.failed()) {
        Refuse(refusal);
        return;
    }
    settings_.mixBalance = balance_->value();
    settings_.mixLoop = loop_->isChecked();
    settings_.mixAutoLevel = autoLevel_->isChecked();
    StartWorker([job](Mt::Task& task) { return job.Run(task); }, kDoneValue);
}
