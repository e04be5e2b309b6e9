#pragma once

#include <mutex>
#include <string>
#include <vector>

#include <QDialog>
#include <QImage>

#include "panelwick/Mt/Worker.h"
#include "project/MovieObjectType.h"

class QListWidget;
class QPushButton;

// Chooses a file of an object's kind from the project folder. The folder is listed on a
// thread of its own, which hands the sorted names over with the notice kListedNotice; until
// then the list is empty and OK disabled, and the dialog cannot be closed. Pictures then get
// thumbnails, made one after another on that thread (each announced by kThumbnailNotice).
// "Import..." brings a file in from anywhere and chooses it.
class FilenameDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kListedNotice = 0x8001;
    static constexpr int kThumbnailNotice = 0x8002;
    static constexpr int kThumbnailSize = 64;

    FilenameDlg(MovieObjectType type, std::string projectFolder, std::string currentName,
                QWidget* parent = nullptr);
    ~FilenameDlg() override;

    // The chosen name, after OK.
    const std::string& name() const { return name_; }
    bool listing() const { return listing_; }
    // The number of thumbnails shown so far.
    int thumbnails() const { return shown_; }
    QListWidget* list() const { return list_; }

    void accept() override;
    void reject() override;

protected:
    bool event(QEvent* event) override;

private:
    void Listed();
    void MakeThumbnails();
    void ShowThumbnails();
    void Import();

    MovieObjectType type_;
    std::string folder_;
    std::string current_;
    std::string name_;
    std::vector<std::string> names_;  // written by the lister before its notice
    Mt::Worker lister_;
    // Made by the lister after the names, in their order; guarded by thumbnailLock_.
    std::mutex thumbnailLock_;
    std::vector<QImage> thumbnails_;
    int shown_ = 0;
    bool listing_ = true;
    QListWidget* list_;
    QPushButton* ok_;
};
