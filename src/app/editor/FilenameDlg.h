#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QDialog>

#include "panelwick/Mt/Worker.h"
#include "project/MovieObjectType.h"
#include "render/PictureThumbnail.h"

class QListWidget;
class QPushButton;

// Chooses a file of an object's kind from the project folder. The folder is listed on a
// thread of its own, which hands the sorted names over with the notice kListedNotice; until
// then the list is empty and OK disabled, and the dialog cannot be closed. Pictures then get
// thumbnails from a thumbnail store, whose worker announces each one with kThumbnailNotice;
// closing the dialog drops the pictures still waiting.
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
    // The number of pictures, from the top of the list, whose thumbnail is settled: shown, or
    // left out because the picture cannot be decoded.
    int thumbnails() const { return shown_; }
    QListWidget* list() const { return list_; }

    void accept() override;
    void reject() override;
    void done(int result) override;

protected:
    bool event(QEvent* event) override;

private:
    void Listed();
    void ShowThumbnails();
    void Import();

    MovieObjectType type_;
    std::string folder_;
    std::string current_;
    std::string name_;
    std::vector<std::string> names_;  // written by the lister before its notice
    Mt::Worker lister_;
    std::unique_ptr<ThumbnailStore> thumbnails_;  // pictures only, once listed, until closed
    int shown_ = 0;
    bool listing_ = true;
    QListWidget* list_;
    QPushButton* ok_;
};
