#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "panelwick/Mt/Worker.h"
#include "project/MovieObjectType.h"

class QListWidget;
class QPushButton;

// Chooses a file of an object's kind from the project folder. The folder is listed on a
// thread of its own, which hands the sorted names over with the notice kListedNotice; until
// then the list is empty and OK disabled, and the dialog cannot be closed.
class FilenameDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kListedNotice = 0x8001;

    FilenameDlg(MovieObjectType type, std::string projectFolder, std::string currentName,
                QWidget* parent = nullptr);
    ~FilenameDlg() override;

    // The chosen name, after OK.
    const std::string& name() const { return name_; }
    bool listing() const { return listing_; }
    QListWidget* list() const { return list_; }

    void accept() override;
    void reject() override;

protected:
    bool event(QEvent* event) override;

private:
    void Listed();

    std::string current_;
    std::string name_;
    std::vector<std::string> names_;  // written by the lister before its notice
    Mt::Worker lister_;
    bool listing_ = true;
    QListWidget* list_;
    QPushButton* ok_;
};
