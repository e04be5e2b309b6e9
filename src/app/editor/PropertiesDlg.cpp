#include "app/editor/PropertiesDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editor/ColorButton.h"
#include "app/editor/DefaultButton.h"

PropertiesDlg::PropertiesDlg(const MovieProperties& properties, QWidget* parent)
    : QDialog(parent), properties_(properties) {
    setWindowTitle(QStringLiteral("Movie Properties"));
    setFont(QFont(QStringLiteral("Arial"), font().pointSize()));
    const PropertiesForm form = PropertiesForm::FromProperties(properties);
    size_ = List(PropertiesForm::Sizes(), form.size);
    movieQuality_ = List(PropertiesForm::MovieQualities(), form.movieQuality);
    fps_ = List(PropertiesForm::FramesPerSecond(), form.fps);
    jpgQuality_ = List(PropertiesForm::JpgQualities(), form.jpgQuality);
    backColor_ = new ColorButton(QStringLiteral("Back Color"));
    backColor_->SetColor(form.backColor);
    normalizeVolume_ = new QCheckBox(QStringLiteral("Normalize volume"));
    normalizeVolume_->setChecked(form.normalizeVolume);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Size"), size_);
    fields->addRow(QStringLiteral("Movie quality"), movieQuality_);
    fields->addRow(QStringLiteral("Frames/sec"), fps_);
    fields->addRow(QStringLiteral("JPG quality"), jpgQuality_);
    fields->addRow(backColor_);
    fields->addRow(normalizeVolume_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PropertiesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PropertiesDlg::reject);
    SetOnlyDefaultButton(*this, *buttons->button(QDialogButtonBox::Ok));
}

QComboBox* PropertiesDlg::List(const std::vector<PropertiesForm::Item>& items, int selected) {
    auto* list = new QComboBox;
    for (const PropertiesForm::Item& item : items) {
        list->addItem(QString::fromStdString(item.text), item.value);
    }
    list->setCurrentIndex(selected);
    return list;
}

void PropertiesDlg::accept() {
    PropertiesForm form;
    form.size = size_->currentIndex();
    form.movieQuality = movieQuality_->currentIndex();
    form.fps = fps_->currentIndex();
    form.jpgQuality = jpgQuality_->currentIndex();
    form.backColor = backColor_->color();
    form.normalizeVolume = normalizeVolume_->isChecked();
    if (!form.Apply(properties_)) return;
    QDialog::accept();
}
