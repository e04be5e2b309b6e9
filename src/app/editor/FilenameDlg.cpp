#include "app/editor/FilenameDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editor/DefaultButton.h"
#include "app/window/ImportDlg.h"
#include "panelwick/Win/FileChooser.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/Metrics.h"
#include "panelwick/Win/Notice.h"
#include "project/ProjectFileList.h"
#include "video/ObjectFileImport.h"

namespace {

// A thumbnail scaled to fit the icon's square.
QIcon IconOf(const CG::ImageRGBA& small) {
    const QImage image(small.pixels(), int(small.width()), int(small.height()),
                       int(small.width()) * 4, QImage::Format_RGBA8888);
    return QIcon(
        QPixmap::fromImage(image.scaled(FilenameDlg::kThumbnailSize, FilenameDlg::kThumbnailSize,
                                        Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

// The files an import for an object of this type takes.
const char* ImportFilters(MovieObjectType type) {
    switch (type) {
        case MovieObjectType::Image:
            return "Pictures (*.jpg *.jpeg *.png *.gif *.bmp)";
        case MovieObjectType::Audio:
            return "Sound (*.wav *.mp3 *.ogg *.flac *.m4a)";
        case MovieObjectType::Video:
            return "Video (*.mp4 *.avi *.mkv *.mov *.webm)";
        default:
            return "Corel Draw files (*.cdr)";
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

FilenameDlg::~FilenameDlg() {
    thumbnails_.reset();
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
    if (type_ != MovieObjectType::Image || names_.empty()) return;
    thumbnails_ = std::make_unique<ThumbnailStore>(
        kThumbnailSize, [this] { Win::PostNotice(this, kThumbnailNotice); });
    for (const std::string& name : names_) (void)thumbnails_->Find(folder_ + "/" + name);
}

// The store makes the pictures in the order they were asked for, the list's, so the items
// settle from the top down.
void FilenameDlg::ShowThumbnails() {
    if (!thumbnails_) return;
    for (; shown_ < list_->count(); ++shown_) {
        const std::string path = folder_ + "/" + names_[shown_];
        if (const auto small = thumbnails_->Find(path)) {
            list_->item(shown_)->setIcon(IconOf(*small));
        } else if (!thumbnails_->Failed(path)) {
            return;
        }
    }
}

// The file comes into the project as an import does; the dialog then ends with it chosen.
void FilenameDlg::Import() {
    if (listing_) return;
    const std::string path = Win::FileChooser::Open(this, "Import", ImportFilters(type_), "");
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

// The store's destructor waits only for the picture being made; the rest are dropped.
void FilenameDlg::done(int result) {
    thumbnails_.reset();
    QDialog::done(result);
}
