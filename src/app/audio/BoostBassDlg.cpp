#include "app/audio/BoostBassDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

#include "panelwick/Win/Metrics.h"

namespace {

QSlider* ValueSlider(int low, int high, int value, const char* unit, QLabel*& shown) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(low, high);
    slider->setValue(value);
    slider->setMinimumWidth(Win::CmToPixels(6));
    shown = new QLabel;
    shown->setMinimumWidth(Win::CmToPixels(1.8));
    const QString suffix = QString::fromUtf8(unit);
    auto show = [shown, suffix](int v) { shown->setText(QString::number(v) + suffix); };
    show(value);
    QObject::connect(slider, &QSlider::valueChanged, shown, show);
    return slider;
}

}  // namespace

BoostBassDlg::BoostBassDlg(int frequency, int gainDb, QWidget* parent)
    : ToolDialog(parent, "Boost Bass") {
    QLabel *frequencyValue, *gainValue;
    frequency_ = ValueSlider(30, 150, frequency, " Hz", frequencyValue);
    gain_ = ValueSlider(1, 20, gainDb, " dB", gainValue);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Cut Freq")), 0, 0);
    grid->addWidget(frequency_, 0, 1);
    grid->addWidget(frequencyValue, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Gain dB")), 1, 0);
    grid->addWidget(gain_, 1, 1);
    grid->addWidget(gainValue, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    grid->addWidget(buttons, 2, 0, 1, 3);
    connect(buttons, &QDialogButtonBox::accepted, this, &BoostBassDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BoostBassDlg::reject);
}

int BoostBassDlg::frequency() const {
    return frequency_->value();
}

int BoostBassDlg::gainDb() const {
    return gain_->value();
}
