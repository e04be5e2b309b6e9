#include "app/editor/FilenameDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editor/DefaultButton.h"
#include "app/window/ImportDlg.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureLoader.h"
#include "panelwick/Win/FileChooser.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/Metrics.h"
#include "panelwick/Win/Notice.h"
#include "project/ProjectFileList.h"
#include "video/ObjectFileImport.h"

namespace {

// A picture scaled to fit the thumbnail size; null when it cannot be loaded.
QImage Thumbnail(const std::string& path) {
    CG::ImageRGBA picture;
    if (CG::LoadPicture(picture, path).failed()) return {};
    const QImage full(picture.Row(0), int(picture.width()), int(picture.height()),
                      int(picture.width()) * 4, QImage::Format_RGBA8888);
    return full.scaled(FilenameDlg::kThumbnailSize, FilenameDlg::kThumbnailSize,
                       Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

struct ImportChoice {
    const char* filters;
};

ImportChoice ImportChoiceFor(MovieObjectType type) {
    switch (type) {
        case MovieObjectType::Image:
            return {"Pictures (*.jpg *.jpeg *.png *.gif *.bmp)"};
        case MovieObjectType::Audio:
            return {"Sound (*.wav *.mp3 *.ogg *.flac *.m4a)"};
        case MovieObjectType::Video:
            return {"Video (*.mp4 *.avi *.mkv *.mov *.webm)"};
        default:
            return {"Corel Draw files (*.cdr)"};
    }
}

}  // namespace

FilenameDlg::FilenameDlg(MovieObjectType type, std::string projectFolder, std::string currentName,
                         QWidget* parent)
    : QDialog(parent), type_(type), folder_(projectFolder), current_(std::move(currentName)) {
    setWindowTitle(QStringLiteral("Reelwork"));
    list_ = new QListWidget;
    list_->setMinimumSize(Win::CmToPixels(7), Win::CmToPixels(6));
    list_->setIconSize(QSize(kThumbnailSize, kThumbnailSize));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    if (type != MovieObjectType::Text && type != MovieObjectType::Rectangle) {
        QPushButton* import =
            buttons->addButton(QStringLiteral("Import..."), QDialogButtonBox::ActionRole);
        import->setObjectName(QStringLiteral("import"));
        connect(import, &QPushButton::clicked, this, &FilenameDlg::Import);
    }
    ok_->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Double click to select an item")));
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &FilenameDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FilenameDlg::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &FilenameDlg::accept);
    SetOnlyDefaultButton(*this, *ok_);

    lister_.Start(
        [this, type, folder = std::move(projectFolder)](Mt::Task&) {
            names_ = ListProjectFiles(type, folder);
            return Mt::TaskResult();
        },
        [this] { Win::PostNotice(this, kListedNotice); });
}

// The thumbnails the lister still makes go into members destroyed before it.
FilenameDlg::~FilenameDlg() {
    lister_.Cancel();
    (void)lister_.Wait();
}

bool FilenameDlg::event(QEvent* event) {
    if (const Win::NoticeEvent* notice = Win::AsNotice(event)) {
        if (notice->Is(kListedNotice) && listing_) Listed();
        if (notice->Is(kThumbnailNotice)) ShowThumbnails();
        return true;
    }
    return QDialog::event(event);
}

void FilenameDlg::Listed() {
    (void)lister_.Wait();
    for (const std::string& name : names_) list_->addItem(QString::fromStdString(name));
    list_->setCurrentRow(IndexOfName(names_, current_));
    listing_ = false;
    ok_->setEnabled(true);
    if (type_ == MovieObjectType::Image) MakeThumbnails();
}

void FilenameDlg::MakeThumbnails() {
    lister_.Start([this](Mt::Task& task) {
        for (const std::string& name : names_) {
            if (task.Cancelled()) return Mt::TaskResult::Stopped();
            QImage thumbnail = Thumbnail(folder_ + "/" + name);
            {
                std::lock_guard lock(thumbnailLock_);
                thumbnails_.push_back(std::move(thumbnail));
            }
            Win::PostNotice(this, kThumbnailNotice);
        }
        return Mt::TaskResult();
    });
}

void FilenameDlg::ShowThumbnails() {
    std::lock_guard lock(thumbnailLock_);
    for (; shown_ < int(thumbnails_.size()) && shown_ < list_->count(); ++shown_) {
        if (thumbnails_[shown_].isNull()) continue;
        list_->item(shown_)->setIcon(QIcon(QPixmap::fromImage(thumbnails_[shown_])));
    }
}

// The file comes into the project as an import does; the dialog then ends with it chosen.
void FilenameDlg::Import() {
    if (listing_) return;
    const ImportChoice choice = ImportChoiceFor(type_);
    const std::string path = Win::FileChooser::Open(this, "Import", choice.filters, "");
    if (path.empty()) return;
    std::string name;
    ImportDlg working(
        [&](Mt::Task& task) { return ImportFileForObject(type_, folder_, path, task, name); }, 1,
        this);
    working.exec();
    if (working.result().failed()) {
        Win::MessageBox::ShowError(this, working.result().FullText(), "Reelwork");
    }
    if (!working.result().ok() || name.empty()) return;
    name_ = name;
    QDialog::accept();
}

void FilenameDlg::accept() {
    if (listing_ || !list_->currentItem()) return;
    name_ = list_->currentItem()->text().toStdString();
    QDialog::accept();
}

void FilenameDlg::reject() {
    if (!listing_) QDialog::reject();
}
