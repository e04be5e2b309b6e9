// Building the object editor's controls.
#include <QAction>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/editor/ColorButton.h"
#include "app/editor/DefaultButton.h"
#include "app/editor/EditDlg.h"
#include "app/editor/EditorIcons.h"
#include "app/editor/PreviewCtrl.h"
#include "panelwick/Win/Metrics.h"

namespace {

QLineEdit* NumberBox(double widthCm = 1.8) {
    auto* box = new QLineEdit;
    box->setFixedWidth(Win::CmToPixels(widthCm));
    box->setAlignment(Qt::AlignRight);
    return box;
}

QSlider* NewSlider(int low, int high) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(low, high);
    slider->setMinimumWidth(Win::CmToPixels(3.5));
    return slider;
}

// One labelled row of a field panel, kept as a widget so that it can be hidden.
QWidget* Row(const char* label, std::initializer_list<QWidget*> fields) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* name = new QLabel(QString::fromUtf8(label));
    name->setMinimumWidth(Win::CmToPixels(2.2));
    layout->addWidget(name);
    for (QWidget* field : fields) layout->addWidget(field);
    layout->addStretch();
    return row;
}

QLabel* Colon() {
    return new QLabel(QStringLiteral(":"));
}

}  // namespace

void EditDlg::Build() {
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    tabs_ = new QTabBar;
    tabs_->addTab(QStringLiteral("Begin"));
    tabs_->addTab(QStringLiteral("End"));
    left->addWidget(tabs_);
    left->addWidget(BuildStatePanel());
    left->addStretch();
    top->addLayout(left);

    auto* right = new QVBoxLayout;
    preview_ = new PreviewCtrl(this);
    preview_->setFixedSize(Win::CmToPixels(12.8), Win::CmToPixels(7.2));
    preview_->SetBackground(background_);
    right->addWidget(preview_);
    right->addWidget(BuildObjectPanel());
    right->addStretch();
    top->addLayout(right);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &EditDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EditDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildToolBar());
    layout->addLayout(top);
    layout->addWidget(buttons);
    // Enter accepts the edit: Reset and the file and colour buttons never take it over.
    SetOnlyDefaultButton(*this, *ok_);
}

QWidget* EditDlg::BuildStatePanel() {
    auto* panel = new QWidget;
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 0, 0, 0);
    minutes_ = NumberBox(1.2);
    seconds_ = NumberBox(1.4);
    minutes_->setToolTip(QStringLiteral("Minutes"));
    seconds_->setToolTip(QStringLiteral("Seconds"));
    rows->addWidget(Row("Time", {minutes_, Colon(), seconds_}));
    static const char* const names[] = {"X", "Y", "Size X", "Size Y", "Rot X", "Rot Y", "Rot Z"};
    for (int i = 0; i < 7; ++i) boxes_[i] = NumberBox();
    rows->addWidget(Row(names[0], {boxes_[kX]}));
    rows->addWidget(Row(names[1], {boxes_[kY]}));
    for (int i = 0; i < 5; ++i) {
        sliders_[i] = i < 2 ? NewSlider(1, 400) : NewSlider(0, 180);
        rows->addWidget(Row(names[i + 2], {boxes_[i + 2], sliders_[i]}));
    }
    static const char* const bytes[] = {"Transparency", "Contrast", "Brightness", "Saturation"};
    for (int i = 0; i < 4; ++i) {
        bytes_[i] = NewSlider(0, 255);
        rows->addWidget(Row(bytes[i], {bytes_[i]}));
    }
    reset_ = new QPushButton(QStringLiteral("Reset"));
    rows->addWidget(reset_, 0, Qt::AlignLeft);
    return panel;
}

QWidget* EditDlg::BuildObjectPanel() {
    auto* panel = new QGroupBox;
    auto* rows = new QVBoxLayout(panel);
    accelX_ = NumberBox();
    accelY_ = NumberBox();
    file_ = new QPushButton;
    file_->setMinimumWidth(Win::CmToPixels(6));
    text_ = new QLineEdit;
    text_->setMinimumWidth(Win::CmToPixels(8));
    front_ = new ColorButton(QStringLiteral("Front"));
    back_ = new ColorButton(QStringLiteral("Back"));
    depth_ = NumberBox(1.2);
    width_ = NumberBox();
    height_ = NumberBox();
    page_ = NumberBox(1.2);
    skipMinutes_ = NumberBox(1.2);
    skipSeconds_ = NumberBox(1.4);

    using T = MovieObjectType;
    const auto add = [&](QWidget* row, std::initializer_list<T> types) {
        rows->addWidget(row);
        for (T type : types) typeRows_[int(type)].push_back(row);
    };
    const auto all = {T::Image, T::Text, T::Rectangle, T::CorelDrawPage, T::Video};
    add(Row("File", {file_}), all);
    add(Row("Text", {text_}), {T::Text});
    add(Row("Colors", {front_, back_}), {T::Text, T::Rectangle});
    add(Row("3D", {depth_}), {T::Text, T::Rectangle});
    add(Row("Width", {width_}), {T::Rectangle});
    add(Row("Height", {height_}), {T::Rectangle});
    add(Row("Corel Draw page", {page_}), {T::CorelDrawPage});
    add(Row("Skip", {skipMinutes_, Colon(), skipSeconds_}), {T::Video});
    add(Row("aX", {accelX_, new QLabel(QStringLiteral("aY")), accelY_}), all);
    return panel;
}

QToolBar* EditDlg::BuildToolBar() {
    toolbar_ = new QToolBar;
    const int size = Win::NearestIconSize(Win::CmToPixels(0.42333) * 1.5);
    toolbar_->setIconSize(QSize(size, size));
    for (EditorCommand command :
         {EditorCommand::AlignTop, EditorCommand::CenterVertically, EditorCommand::AlignBottom,
          EditorCommand::AlignLeft, EditorCommand::CenterHorizontally, EditorCommand::AlignRight,
          EditorCommand::Refresh, EditorCommand::Reload}) {
        QAction* action = toolbar_->addAction(EditorIcons::Make(command, size),
                                              QString::fromUtf8(EditorCommandText(command)));
        action->setData(int(command));
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    }
    return toolbar_;
}

void EditDlg::ShowTypeFields() {
    for (const auto& rows : typeRows_) {
        for (QWidget* row : rows) row->hide();
    }
    for (QWidget* row : typeRows_[int(object_.type)]) row->show();
}
