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

std::string FileChooser::Save(QWidget* parent, const std::string& title, const std::string& filters,
                              const std::string& defaultExtension) {
    return Run(parent, title, filters, defaultExtension, true);
}

}  // namespace Win
