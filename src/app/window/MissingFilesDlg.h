#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "project/MissingFiles.h"

class Document;
class QVBoxLayout;

// "Missing files": every file the project's objects name that cannot be found, each with
// "Locate..." to choose a replacement, which is imported and relinked (with the files of the
// same names in its folder); "Continue" goes on with what is there.
class MissingFilesDlg : public QDialog {
    Q_OBJECT

public:
    // Picks the replacement for an entry; an empty path when the user cancelled.
    using Chooser = std::function<std::string(const MissingFiles::Entry&)>;

    MissingFilesDlg(Document& document, QWidget* parent = nullptr);
    void SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }

    const std::vector<MissingFiles::Entry>& missing() const { return missing_; }
    // What "Locate..." of the entry does.
    void Locate(size_t index);

private:
    void Refresh();

    Document& document_;
    Chooser chooser_;
    std::vector<MissingFiles::Entry> missing_;
    QWidget* list_ = nullptr;
    QVBoxLayout* layout_;
};
