#include "app/audio/NameDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "audio/AudioRecorder.h"
#include "panelwick/Win/Metrics.h"

NameDlg::NameDlg(QWidget* parent) : ToolDialog(parent, "New Audio File"), name_(new QLineEdit) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Name")));
    name_->setMinimumWidth(Win::CmToPixels(5));
    row->addWidget(name_, 1);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &NameDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NameDlg::reject);
}

std::string NameDlg::name() const {
    return FromQ(name_->text());
}

void NameDlg::accept() {
    const ToolMessage refusal = AudioRecorder::CheckName(name());
    if (refusal.failed()) {
        Refuse(refusal, name_);
        return;
    }
    ToolDialog::accept();
}
