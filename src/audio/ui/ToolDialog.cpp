#include "audio/ui/ToolDialog.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>

#include "panelwick/Win/Balloon.h"
#include "panelwick/Win/MessageBox.h"

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
