#include "app/audio/AppendAudioDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "audio/AppendJob.h"
#include "audio/AudioTools.h"
#include "panelwick/Win/Metrics.h"

namespace {

constexpr const char* kCaption = AppendJob::kCaption;
constexpr int kDoneValue = 100;  // the completion notice carries 100 and 100

}  // namespace

AppendAudioDlg::AppendAudioDlg(QWidget* parent) : ToolDialog(parent, kCaption) {
    list_ = new QTreeWidget;
    list_->setHeaderLabels({QStringLiteral("Input File")});
    list_->setRootIsDecorated(false);
    list_->setMinimumSize(Win::CmToPixels(11), Win::CmToPixels(5));
    add_ = new QPushButton(QStringLiteral("Add"));
    remove_ = new QPushButton(QStringLiteral("Remove"));
    up_ = new QPushButton(QStringLiteral("Move Up"));
    down_ = new QPushButton(QStringLiteral("Move Down"));
    combine_ = new QPushButton(QStringLiteral("Combine"));
    working_ = new QLabel(QStringLiteral("Working..."));
    working_->hide();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {add_, remove_, up_, down_}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(working_);
    buttons->addWidget(combine_);
    layout->addLayout(buttons);

    connect(add_, &QPushButton::clicked, this, [this] {
        const std::string path = ChooseFile(this, "Choose a wave file", "Wave audio (*.wav)");
        if (!path.empty()) AddFile(path);
    });
    connect(remove_, &QPushButton::clicked, this, &AppendAudioDlg::Remove);
    connect(up_, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { Move(1); });
    connect(combine_, &QPushButton::clicked, this, [this] { Combine(); });
    SetWorkingControls({list_, add_, remove_, up_, down_, combine_});
    SetWorkerCaption(kCaption);
}

std::vector<std::string> AppendAudioDlg::Files() const {
    std::vector<std::string> files;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        files.push_back(FromQ(list_->topLevelItem(i)->text(0)));
    }
    return files;
}

void AppendAudioDlg::AddFile(const std::string& path) {
    list_->addTopLevelItem(new QTreeWidgetItem({ToQ(path)}));
}

void AppendAudioDlg::Remove() {
    delete list_->currentItem();
}

void AppendAudioDlg::Move(int step) {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    const int target = row + step;
    if (row < 0 || target < 0 || target >= list_->topLevelItemCount()) return;
    QTreeWidgetItem* item = list_->takeTopLevelItem(row);
    list_->insertTopLevelItem(target, item);
    list_->setCurrentItem(item);
}

void AppendAudioDlg::Combine(const std::string& chosenOutput) {
    const std::vector<std::string> files = Files();
    if (files.size() < 2 || busy()) return;
    if (Sys::Result r = CheckAppendInputs(files); r.failed()) {
        Refuse(ToolMessage::Box(r.message(), kCaption));
        return;
    }
    const std::string output =
        chosenOutput.empty() ? ChooseOutputFile(this, "Output wave file", "Wave audio (*.wav)")
                             : chosenOutput;
    if (output.empty()) return;
    AppendJob job;
    if (ToolMessage refusal = job.Plan(files, output); refusal.failed()) {
        Refuse(refusal);
        return;
    }
    working_->show();
    StartWorker([job](Mt::Task& task) { return job.Run(task); }, kDoneValue);
}

void AppendAudioDlg::WorkerFinished(const std::string& error, const char* caption) {
    working_->hide();
    ToolDialog::WorkerFinished(error, caption);
}
