#include "panelwick/Win/MessageBox.h"

#include <QMessageBox>

namespace Win {

namespace {

QMessageBox::StandardButton Run(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                                const std::string& caption, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton escape) {
    QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(text), buttons,
                    parent);
    box.setEscapeButton(escape);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void MessageBox::ShowError(QWidget* parent, const std::string& text, const std::string& caption) {
    Run(parent, QMessageBox::Critical, text, caption, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::ShowInformation(QWidget* parent, const std::string& text,
                                 const std::string& caption) {
    Run(parent, QMessageBox::Information, text, caption, QMessageBox::Ok, QMessageBox::Ok);
}

MessageBox::Answer MessageBox::AskYesNoCancel(QWidget* parent, const std::string& text,
                                              const std::string& caption) {
    switch (Run(parent, QMessageBox::Question, text, caption,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

bool MessageBox::AskYesNo(QWidget* parent, const std::string& text, const std::string& caption) {
    return Run(parent, QMessageBox::Question, text, caption, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBox::WarnYesNo(QWidget* parent, const std::string& text, const std::string& caption) {
    return Run(parent, QMessageBox::Warning, text, caption, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace Win
