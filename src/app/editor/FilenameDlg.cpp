#include "app/editor/FilenameDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editor/DefaultButton.h"
#include "panelwick/Win/Metrics.h"
#include "panelwick/Win/Notice.h"
#include "project/ProjectFileList.h"

FilenameDlg::FilenameDlg(MovieObjectType type, std::string projectFolder, std::string currentName,
                         QWidget* parent)
    : QDialog(parent), current_(std::move(currentName)) {
    setWindowTitle(QStringLiteral("Reelwork"));
    list_ = new QListWidget;
    list_->setMinimumSize(Win::CmToPixels(7), Win::CmToPixels(6));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Double click to select an item")));
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &FilenameDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FilenameDlg::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &FilenameDlg::accept);
    SetOnlyDefaultButton(*this, *ok_);

    lister_.Start(
        [this, type, folder = std::move(projectFolder)](Mt::Task&) {
            names_ = ListProjectFiles(type, folder);
            return Mt::TaskResult();
        },
        [this] { Win::PostNotice(this, kListedNotice); });
}

FilenameDlg::~FilenameDlg() = default;

bool FilenameDlg::event(QEvent* event) {
    if (const Win::NoticeEvent* notice = Win::AsNotice(event)) {
        if (notice->Is(kListedNotice) && listing_) Listed();
        return true;
    }
    return QDialog::event(event);
}

void FilenameDlg::Listed() {
    (void)lister_.Wait();
    for (const std::string& name : names_) list_->addItem(QString::fromStdString(name));
    list_->setCurrentRow(IndexOfName(names_, current_));
    listing_ = false;
    ok_->setEnabled(true);
}

void FilenameDlg::accept() {
    if (listing_ || !list_->currentItem()) return;
    name_ = list_->currentItem()->text().toStdString();
    QDialog::accept();
}

void FilenameDlg::reject() {
    if (!listing_) QDialog::reject();
}
