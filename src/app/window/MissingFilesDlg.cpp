#include "app/window/MissingFilesDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window/ImportDlg.h"
#include "panelwick/Win/FileChooser.h"
#include "panelwick/Win/MessageBox.h"
#include "project/Document.h"
#include "project/Version.h"
#include "video/RelinkJob.h"

namespace {

const char* FiltersFor(MovieObjectType type) {
    switch (type) {
        case MovieObjectType::Image:
            return "Pictures (*.jpg *.jpeg *.png *.gif *.bmp)";
        case MovieObjectType::Audio:
            return "Wave audio (*.wav)";
        case MovieObjectType::Video:
            return "Video (*.mp4 *.avi *.mkv *.mov *.webm)";
        case MovieObjectType::CorelDrawPage:
            return "Corel Draw files (*.cdr)";
        default:
            return "All files (*)";
    }
}

std::string ChooseReplacement(QWidget* parent, const MissingFiles::Entry& entry) {
    return Win::FileChooser::Open(parent, "Locate " + entry.name, FiltersFor(entry.type), "");
}

}  // namespace

MissingFilesDlg::MissingFilesDlg(Document& document, QWidget* parent)
    : QDialog(parent), document_(document), layout_(new QVBoxLayout(this)) {
    setObjectName(QStringLiteral("MissingFilesDlg"));
    setWindowTitle(QStringLiteral("Missing files"));
    chooser_ = [this](const MissingFiles::Entry& e) { return ChooseReplacement(this, e); };
    layout_->addWidget(new QLabel(
        QStringLiteral("These files of the project cannot be found. Locate them, or continue "
                       "without them:"),
        this));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* next =
        buttons->addButton(QStringLiteral("Continue"), QDialogButtonBox::AcceptRole);
    next->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout_->addWidget(buttons);
    Refresh();
}

void MissingFilesDlg::Refresh() {
    missing_ = MissingFiles::Find(document_);
    delete list_;
    list_ = new QWidget(this);
    auto* grid = new QGridLayout(list_);
    grid->setContentsMargins(0, 6, 0, 6);
    for (size_t i = 0; i < missing_.size(); ++i) {
        const MissingFiles::Entry& e = missing_[i];
        const QString uses = e.objects == 1 ? QStringLiteral("1 object")
                                            : QStringLiteral("%1 objects").arg(e.objects);
        auto* name = new QLabel(QString::fromStdString(e.name), list_);
        name->setObjectName(QStringLiteral("missingName"));
        grid->addWidget(name, int(i), 0);
        grid->addWidget(new QLabel(uses, list_), int(i), 1);
        auto* locate = new QPushButton(QStringLiteral("Locate..."), list_);
        connect(locate, &QPushButton::clicked, this, [this, i] { Locate(i); });
        grid->addWidget(locate, int(i), 2);
    }
    if (missing_.empty())
        grid->addWidget(new QLabel(QStringLiteral("Every file is found."), list_));
    layout_->insertWidget(1, list_);
}

void MissingFilesDlg::Locate(size_t index) {
    if (index >= missing_.size()) return;
    const std::string chosen = chooser_(missing_[index]);
    if (chosen.empty()) return;
    RelinkJob job;
    job.Plan(document_.folder(), missing_, index, chosen);
    ImportDlg working([&job](Mt::Task& task) { return job.Run(task); }, 1, this);
    working.exec();
    if (working.result().failed()) {
        Win::MessageBox::ShowError(this, working.result().FullText(), kProgramName);
    }
    if (!working.result().ok()) return;
    job.ApplyTo(document_);
    Refresh();
}
