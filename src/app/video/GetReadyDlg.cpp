#include "app/video/GetReadyDlg.h"

#include <QCloseEvent>
#include <QLabel>

#include "panelwick/Win/CmLayout.h"
#include "video/RecordingChoices.h"

GetReadyDlg::GetReadyDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("GetReadyDlg"));
    setWindowTitle(QString::fromLatin1(RecordingChoices::kCaption));
    setModal(true);
    Win::SizeCm(this, 10.6045, 3.429);
    auto* upper = new QLabel(
        QStringLiteral("To stop the recording: \r\n\r\nclick the Reelwork button in the taskbar "
                       "at the bottom of the screen"),
        this);
    countdown_ = new QLabel(QStringLiteral("Recording in . . ."), this);
    auto* lower = new QLabel(
        QStringLiteral("Click the Reelwork button in the taskbar at the bottom of the screen"),
        this);
    upper->setFont(Win::ArialFont(0.3175));
    lower->setFont(Win::ArialFont(0.3175));
    countdown_->setFont(Win::ArialFont(0.635));
    upper->setWordWrap(true);
    lower->setWordWrap(true);
    countdown_->setAlignment(Qt::AlignCenter);
    upper->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lower->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Win::PlaceCm(upper, 0.2, 0.15, 10.2, 1.1);
    Win::PlaceCm(countdown_, 0.2, 1.3, 10.2, 0.9);
    Win::PlaceCm(lower, 0.2, 2.4, 10.2, 0.9);
    timer_.setInterval(1000);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GetReadyDlg::Tick);
}

QString GetReadyDlg::countdownText() const {
    return countdown_->text();
}

void GetReadyDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!timer_.isActive() && count_ > 0) timer_.start();
}

void GetReadyDlg::Tick() {
    countdown_->setText(QStringLiteral("Recording in %1 sec").arg(count_));
    if (--count_ > 0) return;
    timer_.stop();
    accept();
}

void GetReadyDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
}
