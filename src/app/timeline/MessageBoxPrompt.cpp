#include "app/timeline/MessageBoxPrompt.h"

#include <QFileDialog>

#include "panelwick/Win/MessageBox.h"

IDocumentPrompt::Answer MessageBoxPrompt::AskYesNoCancel(const std::string& question) {
    switch (Win::MessageBox::AskYesNoCancel(owner_, question)) {
        case Win::MessageBox::Answer::Yes:
            return Answer::Yes;
        case Win::MessageBox::Answer::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

bool MessageBoxPrompt::AskYesNo(const std::string& question) {
    return Win::MessageBox::AskYesNo(owner_, question);
}

void MessageBoxPrompt::ShowError(const std::string& message) {
    Win::MessageBox::ShowError(owner_, message);
}

std::string MessageBoxPrompt::AskNewFileName() {
    QString path = QFileDialog::getSaveFileName(owner_, QStringLiteral("Reelwork"), QString(),
                                                QStringLiteral("Reelwork files (*.rwk)"));
    if (path.isEmpty()) return {};
    if (!path.endsWith(QStringLiteral(".rwk"), Qt::CaseInsensitive)) path += QStringLiteral(".rwk");
    return path.toStdString();
}
