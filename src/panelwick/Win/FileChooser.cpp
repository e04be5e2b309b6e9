#include "panelwick/Win/FileChooser.h"

#include <QFileDialog>

namespace Win {

namespace {

std::string Run(QWidget* parent, const std::string& title, const std::string& filters,
                const std::string& defaultExtension, bool save) {
    QFileDialog dialog(parent, QString::fromStdString(title));
    dialog.setNameFilters(QString::fromStdString(filters).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace

std::string FileChooser::Open(QWidget* parent, const std::string& title, const std::string& filters,
                              const std::string& defaultExtension) {
    return Run(parent, title, filters, defaultExtension, false);
}

std::vector<std::string> FileChooser::OpenSeveral(QWidget* parent, const std::string& title,
                                                  const std::string& filters) {
    QFileDialog dialog(parent, QString::fromStdString(title));
    dialog.setNameFilters(QString::fromStdString(filters).split(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    std::vector<std::string> files;
    if (dialog.exec() != QDialog::Accepted) return files;
    for (const QString& file : dialog.selectedFiles()) files.push_back(file.toStdString());
    return files;
}

std::string FileChooser::Save(QWidget* parent, const std::string& title, const std::string& filters,
                              const std::string& defaultExtension) {
    return Run(parent, title, filters, defaultExtension, true);
}

}  // namespace Win
