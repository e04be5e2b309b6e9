#include "app/editor/EditDlg.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QToolBar>

#include "app/editor/ColorButton.h"
#include "app/editor/FilenameDlg.h"
#include "app/editor/FontChoice.h"
#include "app/editor/PreviewCtrl.h"
#include "editing/EditorState.h"
#include "panelwick/Sys/Utf.h"
#include "panelwick/Win/Balloon.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/Notice.h"
#include "production/ScenePreparation.h"
#include "render/TextPicture.h"

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string S(const QString& text) {
    return text.toStdString();
}
double Number(const QLineEdit* box) {
    return ParseBoxNumber(S(box->text()));
}
int64_t Integer(const QLineEdit* box) {
    return int64_t(Number(box));
}
uint32_t Unsigned(const QLineEdit* box) {
    bool ok = false;
    const uint32_t value = box->text().trimmed().toUInt(&ok);
    return ok ? value : 0;
}

// Pictures are prepared for the reference frame; only their size matters to the preview.
constexpr int kReferenceWidth = 1600, kReferenceHeight = 900;

// Text and rectangles draw their picture from their fields; the other types need a file.
bool IsDrawn(MovieObjectType type) {
    return type == MovieObjectType::Text || type == MovieObjectType::Rectangle;
}

// Whether two objects draw the same text or rectangle picture.
bool SamePictureFields(const MovieObject& a, const MovieObject& b) {
    return a.type == b.type && a.text == b.text && a.fileName == b.fileName &&
           a.fontSize == b.fontSize && a.fontStyle == b.fontStyle && a.frontColor == b.frontColor &&
           a.backColor == b.backColor && a.depth3D == b.depth3D && a.width == b.width &&
           a.height == b.height;
}

// The largest buffer drawing the picture takes: the text canvas, or the rectangle.
uint64_t DrawingBytes(const MovieObject& o) {
    const uint64_t k = o.fontSize, d = o.depth3D;
    if (o.type == MovieObjectType::Text) return o.text.size() * k * 3 * k * 6 * 4;
    return (o.width + d) * (o.height + d) * 4;
}

// Prepares the object as the movie does, for the reference frame.
Mt::TaskResult PrepareForPreview(const MovieObject& object, const std::string& folder,
                                 PreparedObject& prepared, Mt::Task& task) {
    MovieProperties reference;
    reference.width = kReferenceWidth;
    reference.height = kReferenceHeight;
    ScenePreparation preparation({object}, reference, ProjectPaths(folder));
    const Mt::TaskResult result = preparation.PrepareAll(task);
    if (result.ok()) prepared = preparation.scene().prepared[0];
    return result;
}

// Pictures up to this size are redrawn at once, so that the preview follows typing; larger
// ones go to the worker.
constexpr uint64_t kRedrawAtOnceBytes = uint64_t(32) << 20;

}  // namespace

EditDlg::EditDlg(const MovieObject& object, std::string projectFolder, uint32_t movieBackColor,
                 QWidget* parent)
    : QDialog(parent),
      object_(object),
      folder_(std::move(projectFolder)),
      background_(movieBackColor) {
    Build();
    updating_ = true;
    setWindowTitle(QString::fromUtf8(EditorTitle(object_.type)));
    file_->setText(Q(FileButtonText(object_)));
    ShowTypeFields();
    front_->SetColor(object_.frontColor);
    back_->SetColor(object_.backColor);
    depth_->setText(QString::number(object_.depth3D));
    if (!object_.text.empty()) text_->setText(Q(Sys::ToUtf8(object_.text)));
    width_->setText(QString::number(object_.width));
    height_->setText(QString::number(object_.height));
    page_->setText(QString::number(object_.page));
    skipMinutes_->setText(QString::number(TimeMinutes(object_.skip)));
    skipSeconds_->setText(Q(TimeSecondsText(object_.skip)));
    accelX_->setText(Q(AccelerationText(object_.accelerationX)));
    accelY_->setText(Q(AccelerationText(object_.accelerationY)));
    ShowState();
    updating_ = false;
    Connect();
    Reload();
}

EditDlg::~EditDlg() = default;

void EditDlg::Connect() {
    connect(tabs_, &QTabBar::currentChanged, this, &EditDlg::ShowTab);
    for (QLineEdit* box : {minutes_, seconds_}) {
        connect(box, &QLineEdit::textEdited, this, &EditDlg::BeginTimeEdited);
    }
    for (int i = 0; i < 5; ++i) {
        connect(sliders_[i], &QSlider::valueChanged, this,
                [this, i](int position) { SliderMoved(Slider(i), position); });
    }
    for (QSlider* slider : bytes_) {
        connect(slider, &QSlider::valueChanged, this, &EditDlg::RefreshPreview);
    }
    for (QLineEdit* box : boxes_) {
        connect(box, &QLineEdit::editingFinished, this, &EditDlg::RefreshPreview);
    }
    // The fields a text or rectangle is drawn from redraw its picture as they are typed.
    for (QLineEdit* box : {text_, depth_, width_, height_}) {
        connect(box, &QLineEdit::textEdited, this, &EditDlg::RefreshPreview);
    }
    connect(reset_, &QPushButton::clicked, this, &EditDlg::Reset);
    connect(file_, &QPushButton::clicked, this, &EditDlg::Browse);
    connect(front_, &ColorButton::colorChosen, this, [this](uint32_t c) { ChooseColor(true, c); });
    connect(back_, &ColorButton::colorChosen, this, [this](uint32_t c) { ChooseColor(false, c); });
}

// --- the state controls ---

StateControls EditDlg::ReadState() const {
    StateControls c;
    c.minutes = Number(minutes_);
    c.seconds = Number(seconds_);
    c.x = Number(boxes_[kX]);
    c.y = Number(boxes_[kY]);
    c.sizeX = Number(boxes_[kSizeXBox]);
    c.sizeY = Number(boxes_[kSizeYBox]);
    c.rotX = Number(boxes_[kRotXBox]);
    c.rotY = Number(boxes_[kRotYBox]);
    c.rotZ = Number(boxes_[kRotZBox]);
    c.transparency = bytes_[kTransparency]->value();
    c.contrast = bytes_[kContrast]->value();
    c.brightness = bytes_[kBrightness]->value();
    c.saturation = bytes_[kSaturation]->value();
    return c;
}

void EditDlg::ShowState() {
    const bool end = tab_ == 1;
    const ObjectState& s = end ? object_.endState : object_.beginState;
    const uint32_t time = end ? object_.end : object_.begin;
    const StateControls c = StateControls::Show(s, time);
    minutes_->setText(QString::number(int(c.minutes)));
    seconds_->setText(Q(TimeSecondsText(time)));
    const int32_t stored[] = {s.x, s.y, s.sizeX, s.sizeY, s.rotX, s.rotY, s.rotZ};
    for (int i = 0; i < 7; ++i) boxes_[i]->setText(Q(BoxText(stored[i])));
    const int positions[] = {c.sizeXSlider, c.sizeYSlider, c.rotXSlider, c.rotYSlider,
                             c.rotZSlider};
    for (int i = 0; i < 5; ++i) sliders_[i]->setValue(positions[i]);
    bytes_[kTransparency]->setValue(c.transparency);
    bytes_[kContrast]->setValue(c.contrast);
    bytes_[kBrightness]->setValue(c.brightness);
    bytes_[kSaturation]->setValue(c.saturation);
}

EditorInput EditDlg::ReadInput() const {
    EditorInput in;
    in.state = ReadState();
    in.endShown = tab_ == 1;
    in.text = Sys::ToUtf16(S(text_->text()));
    in.accelerationX = Number(accelX_);
    in.accelerationY = Number(accelY_);
    in.frontColor = front_->color();
    in.backColor = back_->color();
    in.depth3D = Integer(depth_);
    in.width = Unsigned(width_);
    in.height = Unsigned(height_);
    in.page = Integer(page_);
    in.skipMinutes = Number(skipMinutes_);
    in.skipSeconds = Number(skipSeconds_);
    return in;
}

EditorRefusal EditDlg::Validate(bool silent) {
    return ValidateEdit(ReadInput(), object_, silent, folder_);
}

void EditDlg::ShowRefusal(const EditorRefusal& r) {
    if (r.kind == EditorRefusal::Kind::Message) {
        Win::MessageBox::ShowError(this, r.text);
        return;
    }
    using Field = EditorRefusal::Field;
    QWidget* field = r.field == Field::EndTime ? seconds_
                     : r.field == Field::Text  ? static_cast<QWidget*>(text_)
                     : r.field == Field::Width ? width_
                                               : height_;
    if (r.field == Field::EndTime && tab_ != 1) {
        tabs_->setCurrentIndex(1);  // the end time box is on the End tab
    }
    Win::Balloon::Show(field, r.title, r.text);
}

// --- reactions ---

void EditDlg::ShowTab(int tab) {
    if (tab == tab_) return;
    if (tabs_->currentIndex() != tab) {
        tabs_->setCurrentIndex(tab);  // comes back here through currentChanged
        return;
    }
    updating_ = true;
    const StateControls leaving = ReadState();
    (tab_ == 1 ? object_.end : object_.begin) =
        leaving.Store(tab_ == 1 ? object_.endState : object_.beginState);
    tab_ = tab;
    ShowState();
    updating_ = false;
    RefreshPreview();
}

void EditDlg::BeginTimeEdited() {
    if (updating_ || tab_ != 0) return;
    const uint32_t duration = object_.end - object_.begin;
    object_.begin = EditorTimeMs(Number(minutes_), Number(seconds_));
    object_.end = object_.begin + duration;
}

void EditDlg::SliderMoved(Slider slider, int position) {
    if (updating_) return;
    const bool size = slider == kSizeX || slider == kSizeY;
    const double value = size ? position / 100.0 : position * 2.0;
    boxes_[int(kSizeXBox) + int(slider)]->setText(Q(BoxText(BoxToStored(value))));
    RefreshPreview();
}

void EditDlg::Reset() {
    updating_ = true;
    ObjectState& s = tab_ == 1 ? object_.endState : object_.beginState;
    const uint32_t time = EditorTimeMs(Number(minutes_), Number(seconds_));
    ResetState(s);
    object_.accelerationX = object_.accelerationY = 0;
    accelX_->setText(Q(AccelerationText(0)));
    accelY_->setText(Q(AccelerationText(0)));
    (tab_ == 1 ? object_.end : object_.begin) = time;
    ShowState();
    updating_ = false;
    RefreshPreview();
}

void EditDlg::RunCommand(EditorCommand command) {
    if (busy_) return;
    if (command == EditorCommand::Refresh) {
        if (!updating_) RefreshPreview();
        return;
    }
    if (command == EditorCommand::Reload) {
        Validate(true);
        Reload();
        return;
    }
    Validate(true);
    const ObjectState& s = tab_ == 1 ? object_.endState : object_.beginState;
    const AlignmentResult a =
        Align(command, prepared_.picture.width(), prepared_.picture.height(), s);
    if (!a.valid) return;
    boxes_[a.xBox ? kX : kY]->setText(Q(BoxText(BoxToStored(a.value))));
    RefreshPreview();
}

void EditDlg::PreviewMoved() {
    const ObjectState& moved = preview_->shownState();
    ObjectState& s = tab_ == 1 ? object_.endState : object_.beginState;
    s.x = moved.x;
    s.y = moved.y;
    updating_ = true;
    boxes_[kX]->setText(Q(BoxText(s.x)));
    boxes_[kY]->setText(Q(BoxText(s.y)));
    updating_ = false;
}

void EditDlg::Browse() {
    if (object_.type == MovieObjectType::Text) {
        FontChoice font{TextFaceName(object_), object_.fontSize, object_.fontStyle};
        if (FontChoice::Choose(this, font)) ChooseFont(font.face, font.size, font.style);
        return;
    }
    FilenameDlg chooser(object_.type, folder_, Sys::ToUtf8(object_.fileName), this);
    if (chooser.exec() == QDialog::Accepted) ChooseFile(chooser.name());
}

void EditDlg::ChooseFile(const std::string& name) {
    object_.fileName = Sys::ToUtf16(name);
    file_->setText(Q(FileButtonText(object_)));
    if (object_.type == MovieObjectType::CorelDrawPage) {
        object_.page = 1;
        page_->setText(QStringLiteral("1"));
    }
    if (object_.type == MovieObjectType::Video) {
        if (tab_ == 0) object_.begin = EditorTimeMs(Number(minutes_), Number(seconds_));
        object_.end = VideoEndAfterChoice(object_, folder_);
        if (tab_ == 1) {
            updating_ = true;
            minutes_->setText(QString::number(TimeMinutes(object_.end)));
            seconds_->setText(Q(TimeSecondsText(object_.end)));
            updating_ = false;
        }
    }
    Reload();
}

void EditDlg::ChooseFont(const std::string& face, int size, uint32_t style) {
    object_.fileName = Sys::ToUtf16(face);
    object_.fontSize = uint16_t(std::clamp(size, 0, 255));
    object_.fontStyle = style;
    file_->setText(Q(FileButtonText(object_)));
    Validate(true);
    Reload();
}

void EditDlg::ChooseColor(bool front, uint32_t color) {
    (front ? front_ : back_)->SetColor(color);
    (front ? object_.frontColor : object_.backColor) = color & 0xFFFFFF;
    Validate(true);
    Reload();
}

// --- the preview and its picture ---

void EditDlg::RefreshPreview() {
    if (updating_ || busy_) return;
    Validate(true);
    // The preview shows the picture the movie will draw from the fields as they are now.
    if (IsDrawn(object_.type) && !SamePictureFields(object_, preparedFrom_)) {
        if (DrawingBytes(object_) > kRedrawAtOnceBytes) {
            Reload();
            return;
        }
        Redraw();
    }
    preview_->SetFields(object_);
    preview_->SetShowBegin(tab_ == 0);
    preview_->Render();
}

void EditDlg::Reload() {
    if (busy_ || (!IsDrawn(object_.type) && object_.fileName.empty())) {
        RefreshPreview();
        return;
    }
    SetBusy(true);
    preview_->SetWorking(true);
    preparedFrom_ = object_;
    worker_.Start(
        [this, object = object_](Mt::Task& task) {
            return PrepareForPreview(object, folder_, preparing_, task);
        },
        [this] { Win::PostNotice(this, kPreparedNotice); });
}

void EditDlg::Redraw() {
    preparedFrom_ = object_;
    PreparedObject drawn;
    const Mt::TaskResult result = PrepareForPreview(object_, folder_, drawn, Mt::Task::Unwatched());
    if (result.ok()) {
        prepared_ = drawn;
    } else {
        prepared_.Release();
    }
    preview_->SetObject(object_, prepared_.picture);
    if (result.failed()) Win::MessageBox::ShowError(this, result.message());
}

bool EditDlg::event(QEvent* event) {
    if (const Win::NoticeEvent* notice = Win::AsNotice(event)) {
        if (notice->Is(kPreparedNotice) && busy_) Prepared();
        if (notice->Is(PreviewCtrl::kMovedNotice)) PreviewMoved();
        return true;
    }
    return QDialog::event(event);
}

void EditDlg::Prepared() {
    const Mt::TaskResult result = worker_.Wait();
    if (result.ok()) {
        prepared_ = preparing_;
    } else {
        prepared_.Release();
    }
    preparing_.Release();
    preview_->SetObject(object_, prepared_.picture);
    preview_->SetWorking(false);
    if (result.failed()) Win::MessageBox::ShowError(this, result.message());
    SetBusy(false);
    RefreshPreview();
}

void EditDlg::WaitUntilPrepared() {
    while (busy_) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

void EditDlg::SetBusy(bool busy) {
    busy_ = busy;
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w != preview_ && !qobject_cast<QToolBar*>(w)) w->setEnabled(!busy);
    }
    toolbar_->setEnabled(!busy);
}

// --- closing ---

void EditDlg::accept() {
    if (busy_) return;
    const EditorRefusal refusal = Validate(false);
    if (refusal.refused()) {
        ShowRefusal(refusal);
        return;
    }
    prepared_.Release();
    QDialog::accept();
}

void EditDlg::reject() {
    if (!busy_) QDialog::reject();
}
