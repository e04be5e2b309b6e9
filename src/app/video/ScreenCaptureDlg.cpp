#include "app/video/ScreenCaptureDlg.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/video/TestAreaDlg.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FrameFolder.h"
#include "panelwick/Win/CmLayout.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/WaitCursor.h"
#include "video/ScreenGrabber.h"

namespace {

QLabel* Label(QWidget* parent, const char* text, double x, double y, double w, double h) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    Win::PlaceCm(label, x, y, w, h);
    return label;
}

QPushButton* Button(QWidget* parent, const char* text, double x, double y, double w, double h) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setAutoDefault(false);
    Win::PlaceCm(button, x, y, w, h);
    return button;
}

QLineEdit* DigitsBox(QWidget* parent, int value, double x, double y, double w, double h) {
    auto* box = new QLineEdit(QString::number(value), parent);
    box->setValidator(new QIntValidator(0, 99999, box));
    Win::PlaceCm(box, x, y, w, h);
    return box;
}

// Lets the window manager carry out a change of the windows before the screen is read.
void LetTheScreenSettle() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace

ScreenCaptureDlg::ScreenCaptureDlg(ScreenGrabber& grabber, std::string projectFolder,
                                   int movieHeight, const RecordingSettings& settings,
                                   QWidget* mainWindow)
    : QDialog(mainWindow),
      grabber_(grabber),
      projectFolder_(std::move(projectFolder)),
      movieHeight_(movieHeight),
      settings_(settings),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("ScreenCaptureDlg"));
    setWindowTitle(QStringLiteral("Screen recording"));
    setFont(Win::ArialFont(0.3175));
    Win::SizeCm(this, 11.13367, 11.811);

    Label(this, "Left", 0.148, 0.212, 1.037, 0.550);
    left_ = DigitsBox(this, settings_.left, 1.270, 0.148, 1.355, 0.550);
    Label(this, "Top", 3.069, 0.212, 1.016, 0.550);
    top_ = DigitsBox(this, settings_.top, 4.149, 0.148, 1.355, 0.550);
    QPushButton* test = Button(this, "Test Capture Area", 5.736, 0.148, 3.217, 0.635);
    QPushButton* record = Button(this, "Record", 9.123, 0.148, 1.841, 0.635);
    Label(this, "Input", 0.148, 0.995, 5.186, 0.550);
    inputs_ = new QListWidget(this);
    Win::PlaceCm(inputs_, 0.148, 1.587, 5.186, 4.593);
    Label(this, "Output", 5.779, 0.995, 1.736, 0.550);
    length_ = Label(this, "0:00", 7.916, 0.995, 3.069, 0.550);
    length_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    outputs_ = new QListWidget(this);
    Win::PlaceCm(outputs_, 5.779, 1.587, 5.186, 10.054);
    Label(this, "Movie Size", 0.169, 6.350, 1.905, 0.550);
    sizes_ = new QComboBox(this);
    Win::PlaceCm(sizes_, 2.180, 6.350, 3.175, 0.550);
    Label(this, "JPG Quality", 0.169, 7.112, 1.778, 0.550);
    qualities_ = new QComboBox(this);
    Win::PlaceCm(qualities_, 2.180, 7.048, 1.820, 0.550);
    QPushButton* add = Button(this, "Add", 3.810, 10.266, 1.841, 0.635);
    QPushButton* remove = Button(this, "Delete", 3.810, 11.028, 1.841, 0.635);

    for (int height : RecordingChoices::kMovieHeights) {
        sizes_->addItem(QString::fromStdString(RecordingChoices::MovieSizeText(height)), height);
    }
    sizes_->setCurrentIndex(sizes_->findData(movieHeight_));
    for (int q = RecordingChoices::kFirstQuality; q <= RecordingChoices::kLastQuality; ++q) {
        qualities_->addItem(QString::number(q), q);
    }
    qualities_->setCurrentIndex(qualities_->findData(settings_.quality));
    FillInputs();
    FillOutputs();

    connect(test, &QPushButton::clicked, this, &ScreenCaptureDlg::TestCaptureArea);
    connect(record, &QPushButton::clicked, this, &ScreenCaptureDlg::Record);
    connect(add, &QPushButton::clicked, this, &ScreenCaptureDlg::AddFolder);
    connect(remove, &QPushButton::clicked, this, &ScreenCaptureDlg::DeleteFolder);
    connect(outputs_, &QListWidget::currentRowChanged, this, &ScreenCaptureDlg::RefreshLength);
}

void ScreenCaptureDlg::ShowError(const char* text) {
    Win::MessageBox::ShowError(this, text, RecordingChoices::kCaption);
}

void ScreenCaptureDlg::FillInputs() {
    inputs_->clear();
    grabber_.CollectWindows();
    std::vector<std::string> titles;
    for (const ScreenGrabber::Window& window : grabber_.windows()) {
        titles.push_back(window.title);
        auto* item = new QListWidgetItem(QString::fromStdString(window.title), inputs_);
        item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(window.handle));
    }
    inputs_->setCurrentRow(RecordingChoices::PreselectedInput(titles));
}

void ScreenCaptureDlg::FillOutputs() {
    outputs_->clear();
    int selected = -1;
    for (const std::string& name : Sys::ListSubFolders(projectFolder_)) {
        if (name == settings_.outputFolder) selected = outputs_->count();
        outputs_->addItem(QString::fromStdString(name));
    }
    outputs_->setCurrentRow(selected);
    RefreshLength();
}

void ScreenCaptureDlg::RefreshLength() {
    const QListWidgetItem* item = outputs_->currentItem();
    const uint32_t length =
        item ? Sys::ReadVideoLength(projectFolder_, item->text().toStdString()) : 0;
    length_->setText(QString::fromStdString(RecordingChoices::LengthText(length)));
}

bool ScreenCaptureDlg::Collect(bool record) {
    if (sizes_->currentIndex() < 0) return false;
    movieHeight_ = sizes_->currentData().toInt();
    if (outputs_->count() == 0) {
        ShowError("Click the 'Add button' to create a new folder for the recording");
        return false;
    }
    if (!outputs_->currentItem()) {
        ShowError("Please select a folder from the output list");
        return false;
    }
    if (record && !Win::MessageBox::WarnYesNo(
                      this, "There is a folder with this name. Do you want to continue?",
                      RecordingChoices::kCaption)) {
        return false;
    }
    settings_.outputFolder = outputs_->currentItem()->text().toStdString();
    if (!inputs_->currentItem()) {
        ShowError("Please select a input for the recording");
        return false;
    }
    source_ = inputs_->currentItem()->data(Qt::UserRole).value<qulonglong>();
    if (qualities_->currentIndex() < 0) return false;
    settings_.quality = qualities_->currentData().toInt();
    settings_.left = left_->text().toInt();
    settings_.top = top_->text().toInt();
    return true;
}

void ScreenCaptureDlg::AddFolder() {
    bool ok = false;
    const QString name = QInputDialog::getText(
        this, QString::fromLatin1(RecordingChoices::kCaption), QStringLiteral("Folder name:"),
        QLineEdit::Normal, QString::fromLatin1(RecordingChoices::kNewFolderName), &ok);
    if (!ok || name.isEmpty()) return;
    if (Sys::FolderExists(projectFolder_ + "/" + name.toStdString())) {
        ShowError("A folder with that name already exists");
        return;
    }
    if (Sys::Result r = Sys::CreateEmptyRecordingFolder(projectFolder_, name.toStdString());
        r.failed()) {
        Win::MessageBox::ShowError(this, r.message(), RecordingChoices::kCaption);
        return;
    }
    settings_.outputFolder = name.toStdString();
    FillOutputs();
}

void ScreenCaptureDlg::DeleteFolder() {
    const QListWidgetItem* item = outputs_->currentItem();
    if (!item || !Win::MessageBox::AskYesNo(this, "Are you sure you want to delete the folder?",
                                            RecordingChoices::kCaption)) {
        return;
    }
    {
        Win::WaitCursor wait;
        (void)Sys::DeleteFolderTree(projectFolder_ + "/" + item->text().toStdString());
    }
    FillOutputs();
}

void ScreenCaptureDlg::TestCaptureArea() {
    if (!Collect(false)) return;
    mainWindow_->showMinimized();
    LetTheScreenSettle();
    CG::DIBitmap picture;
    const bool created =
        grabber_.Create(source_, ScreenGrabber::CaptureWidth(movieHeight_), movieHeight_);
    if (created) (void)grabber_.GrabToBitmap(settings_.left, settings_.top, picture);
    mainWindow_->showNormal();
    if (!created) {
        ShowError("Out of memory for recording");
        return;
    }
    TestAreaDlg area(picture, this);
    area.exec();
}

void ScreenCaptureDlg::Record() {
    if (Collect(true)) accept();
}
