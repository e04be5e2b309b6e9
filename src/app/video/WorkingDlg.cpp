#include "app/video/WorkingDlg.h"

#include <QCloseEvent>
#include <QLabel>

#include "panelwick/Win/CmLayout.h"
#include "panelwick/Win/Notice.h"

WorkingDlg::WorkingDlg(Mt::Worker::Body job, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      job_(std::move(job)) {
    setObjectName(QStringLiteral("WorkingDlg"));
    setWindowTitle(QStringLiteral("Please wait!"));
    setModal(true);
    Win::SizeCm(this, 7.40833, 1.88383);
    auto* label = new QLabel(QStringLiteral("Working . . ."), this);
    label->setFont(Win::ArialFont(0.3175));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Win::PlaceCm(label, 0.04233, 0.74083, 7.34483, 1.12183);
}

void WorkingDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    worker_.Start(std::move(job_),
                  [this] { Win::PostNotice(this, Win::kAppMessage, kJobEnded, kJobEnded); });
}

bool WorkingDlg::event(QEvent* event) {
    if (const Win::NoticeEvent* notice = Win::AsNotice(event)) {
        if (notice->message() == Win::kAppMessage && notice->wParam() == kJobEnded &&
            notice->lParam() == kJobEnded) {
            result_ = worker_.Wait();
            accept();
        }
        return true;
    }
    return QDialog::event(event);
}

void WorkingDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
}
