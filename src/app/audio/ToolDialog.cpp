#include "app/audio/ToolDialog.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>

#include "panelwick/Win/Balloon.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/Notice.h"

ToolDialog::ToolDialog(QWidget* parent, const char* title) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void ToolDialog::SetBusy(bool busy) {
    busy_ = busy;
    for (QWidget* control : controls_) control->setEnabled(!busy);
}

void ToolDialog::Refuse(const ToolMessage& message, QWidget* field) {
    if (!message.failed()) return;
    if (message.balloon && field != nullptr) {
        Win::Balloon::Show(field, message.caption, message.text);
    } else {
        Win::MessageBox::ShowError(this, message.text, message.caption);
    }
}

void ToolDialog::StartWorker(Mt::Worker::Body job, int noticeValue) {
    noticeValue_ = noticeValue;
    SetBusy(true);
    worker_.Start(std::move(job), [this, noticeValue] {
        Win::PostNotice(this, Win::kAppMessage, noticeValue, noticeValue);
    });
}

void ToolDialog::WorkerFinished(const std::string& error, const char* caption) {
    if (error.empty()) {
        accept();
    } else {
        Refuse(ToolMessage::Box(error, caption));
    }
}

// Only the worker's own notice ends the work; notices with other values are ignored.
bool ToolDialog::event(QEvent* event) {
    const Win::NoticeEvent* notice = Win::AsNotice(event);
    if (notice == nullptr) return QDialog::event(event);
    if (notice->message() == Win::kAppMessage && notice->wParam() == noticeValue_ &&
        notice->lParam() == noticeValue_ && busy_) {
        const std::string error = worker_.Wait().message();
        SetBusy(false);
        WorkerFinished(error, workerCaption_);
    }
    return true;
}

void ToolDialog::reject() {
    if (!busy_) QDialog::reject();
}

void ToolDialog::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

namespace {

std::string RunFileDialog(QWidget* parent, const char* title, const char* filter,
                          const std::string& start, bool save) {
    QFileDialog dialog(parent, QString::fromUtf8(title), ToQ(start), QString::fromUtf8(filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("wav"));
    // "*.wav" finds "TALK.WAV" too.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return FromQ(dialog.selectedFiles().front());
}

}  // namespace

std::string ToolDialog::ChooseFile(QWidget* parent, const char* title, const char* filter,
                                   const std::string& start) {
    return RunFileDialog(parent, title, filter, start, false);
}

std::string ToolDialog::ChooseOutputFile(QWidget* parent, const char* title, const char* filter) {
    return RunFileDialog(parent, title, filter, {}, true);
}

QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

std::string FromQ(const QString& text) {
    return text.toStdString();
}

double NumberIn(const QLineEdit* box) {
    bool ok = false;
    const double value = box->text().trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}
