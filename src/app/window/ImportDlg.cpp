#include "app/window/ImportDlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "panelwick/Win/Notice.h"

ImportDlg::ImportDlg(Mt::Worker::Body job, int files, QWidget* parent)
    : QDialog(parent),
      job_(std::move(job)),
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("ImportDlg"));
    setWindowTitle(QStringLiteral("Add Media"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(files == 1 ? QStringLiteral("Adding 1 file . . .")
                                            : QStringLiteral("Adding %1 files . . .").arg(files),
                                 this));
    bar_->setRange(0, 1000);
    bar_->setMinimumWidth(320);
    layout->addWidget(bar_);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    connect(cancel_, &QPushButton::clicked, this, &ImportDlg::reject);
    tick_.setInterval(100);
    connect(&tick_, &QTimer::timeout, this,
            [this] { bar_->setValue(int(worker_.task().progress() * 1000)); });
}

void ImportDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    tick_.start();
    worker_.Start(std::move(job_),
                  [this] { Win::PostNotice(this, Win::kAppMessage, kJobEnded, kJobEnded); });
}

void ImportDlg::reject() {
    if (!worker_.running()) {
        QDialog::reject();
        return;
    }
    worker_.Cancel();
    cancel_->setEnabled(false);
}

bool ImportDlg::event(QEvent* event) {
    if (const Win::NoticeEvent* notice = Win::AsNotice(event)) {
        if (notice->message() == Win::kAppMessage && notice->wParam() == kJobEnded &&
            notice->lParam() == kJobEnded) {
            tick_.stop();
            result_ = worker_.Wait();
            accept();
        }
        return true;
    }
    return QDialog::event(event);
}
