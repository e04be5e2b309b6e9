#include "app/video/CombineDlg.h"

#include <cstdio>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "panelwick/Win/CmLayout.h"
#include "panelwick/Win/FileChooser.h"
#include "panelwick/Win/MessageBox.h"
#include "project/Version.h"
#include "video/Encoder.h"
#include "video/JpgSeries.h"

namespace {

QLabel* Label(QWidget* parent, const char* text, double x, double y, double w, double h) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    Win::PlaceCm(label, x, y, w, h);
    return label;
}

// A button that shows a path, its text on the left.
QPushButton* PathButton(QWidget* parent, double y) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 4px;"));
    Win::PlaceCm(button, 1.926, y, 11.239, 0.635);
    return button;
}

QComboBox* NumberList(QWidget* parent, int first, int last, int step, double y) {
    auto* list = new QComboBox(parent);
    for (int n = first; n <= last; n += step) list->addItem(QString::number(n), n);
    Win::PlaceCm(list, 1.947, y, 2.540, 0.550);
    return list;
}

}  // namespace

CombineDlg::CombineDlg(const CombineJob::Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("CombineDlg"));
    setFont(Win::ArialFont(0.3175));
    Win::SizeCm(this, 15.875, 6.0);
    Label(this, "Audio", 0.169, 0.254, 1.418, 0.550);
    audio_ = PathButton(this, 0.148);
    videoLabel_ = Label(this, "Video", 0.169, 1.016, 1.418, 0.550);
    video_ = PathButton(this, 0.910);
    Label(this, "Quality", 0.148, 1.714, 1.418, 0.550);
    quality_ = NumberList(this, 5, 100, 5, 1.651);
    jpgOnly_[0] = Label(this, "Frames/sec", 0.148, 2.371, 1.714, 0.550);
    fps_ = NumberList(this, 5, 60, 1, 2.349);
    jpgOnly_[1] = fps_;
    jpgOnly_[2] = Label(this, "Duration", 7.408, 1.778, 1.418, 0.550);
    duration_ = new QLineEdit(this);
    duration_->setReadOnly(true);
    Win::PlaceCm(duration_, 8.848, 1.672, 1.736, 0.550);
    jpgOnly_[3] = duration_;
    jpgOnly_[4] = Label(this, "seconds", 10.689, 1.778, 2.477, 0.550);
    QLabel* example = Label(this, "img000001.jpg\r\nimg000002.jpg\r\nimg000003.jpg\r\n. . .", 7.408,
                            2.498, 5.736, 1.884);
    example->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    jpgOnly_[5] = example;
    mp4_ = new QRadioButton(QStringLiteral("MP4 video"), this);
    Win::PlaceCm(mp4_, 1.926, 3.048, 3.895, 0.572);
    jpg_ = new QRadioButton(QStringLiteral("JPG image files"), this);
    Win::PlaceCm(jpg_, 1.926, 3.768, 3.281, 0.572);
    Label(this, "Output", 0.169, 5.186, 1.418, 0.550);
    output_ = PathButton(this, 5.080);
    auto* combine = new QPushButton(QStringLiteral("Combine"), this);
    combine->setDefault(true);
    Win::PlaceCm(combine, 13.589, 0.148, 2.117, 0.635);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setAutoDefault(false);
    Win::PlaceCm(cancel, 13.589, 0.910, 2.117, 0.635);

    quality_->setCurrentIndex(quality_->findData(settings_.quality));
    fps_->setCurrentIndex(fps_->findData(settings_.fps));
    mp4_->setChecked(true);
    ShowPath(audio_, settings_.audioPath);
    ShowPath(video_, settings_.videoPath);
    ShowPath(output_, settings_.outputPath);
    ApplyMode();

    for (QRadioButton* radio : {mp4_, jpg_}) {
        connect(radio, &QRadioButton::clicked, this, [this] {
            ApplyMode();
            settings_.audioPath.clear();
            settings_.videoPath.clear();
            ShowPath(audio_, {});
            ShowPath(video_, {});
            RecomputeDuration();
        });
    }
    connect(audio_, &QPushButton::clicked, this, &CombineDlg::ChooseAudio);
    connect(video_, &QPushButton::clicked, this, &CombineDlg::ChooseVideo);
    connect(output_, &QPushButton::clicked, this, &CombineDlg::ChooseOutput);
    connect(fps_, &QComboBox::currentIndexChanged, this, &CombineDlg::RecomputeDuration);
    connect(combine, &QPushButton::clicked, this, &CombineDlg::Combine);
    connect(cancel, &QPushButton::clicked, this, &CombineDlg::reject);
}

bool CombineDlg::jpgMode() const {
    return jpg_->isChecked();
}

void CombineDlg::SetJpgMode(bool jpg) {
    (jpg ? jpg_ : mp4_)->click();
}

QString CombineDlg::durationText() const {
    return duration_->text();
}

void CombineDlg::ShowPath(QPushButton* button, const std::string& path) {
    button->setText(QString::fromStdString(path));
}

void CombineDlg::ApplyMode() {
    const bool jpg = jpgMode();
    setWindowTitle(jpg ? QStringLiteral("JPG to MP4") : QStringLiteral("Combine video and audio"));
    videoLabel_->setText(jpg ? QStringLiteral("Image") : QStringLiteral("Video"));
    for (QWidget* control : jpgOnly_) control->setVisible(jpg);
}

void CombineDlg::ChooseAudio() {
    const std::string path =
        jpgMode() ? Win::FileChooser::Open(this, "Input MP3 file", "Wave audio (*.wav)", "wav")
                  : Win::FileChooser::Open(this, "Input MP4file", "MP3 audio (*.mp3)", "mp3");
    if (path.empty()) return;
    settings_.audioPath = path;
    ShowPath(audio_, path);
}

void CombineDlg::ChooseVideo() {
    const std::string path =
        jpgMode() ? Win::FileChooser::Open(this, "Select any file", "JPG image (*.jpg)", "jpg")
                  : Win::FileChooser::Open(this, "Input video", "Video (*.mp4)", "mp4");
    if (path.empty()) return;
    settings_.videoPath = path;
    ShowPath(video_, path);
    RecomputeDuration();
}

void CombineDlg::ChooseOutput() {
    const std::string path = Win::FileChooser::Save(this, "Output", "Video (*.mp4)", "mp4");
    if (path.empty()) return;
    settings_.outputPath = path;
    ShowPath(output_, path);
}

// The pictures that follow one another from number 1, shown at the chosen rate.
void CombineDlg::RecomputeDuration() {
    JpgSeries series;
    if (!jpgMode() || fps_->currentIndex() < 0 || series.From(settings_.videoPath).failed()) {
        duration_->clear();
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", double(series.Count()) / fps_->currentData().toInt());
    duration_->setText(QString::fromLatin1(text));
}

void CombineDlg::Combine() {
    settings_.jpgSeries = jpgMode();
    if (quality_->currentIndex() < 0) return;
    settings_.quality = quality_->currentData().toInt();
    if (settings_.jpgSeries) {
        if (fps_->currentIndex() < 0) return;
        settings_.fps = fps_->currentData().toInt();
    }
    if (Sys::Result r = job_.Build(settings_); r.failed()) {
        Win::MessageBox::ShowError(this, r.message(), job_.caption());
        return;
    }
    accept();
}
