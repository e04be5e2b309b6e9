#include "app/editor/ColorButton.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionButton>

#include "editing/EditorCommands.h"
#include "project/CustomColors.h"

namespace {

QColor ToQColor(uint32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

uint32_t FromQColor(const QColor& c) {
    return uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16;
}

}  // namespace

ColorButton::ColorButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    connect(this, &QPushButton::clicked, this, &ColorButton::Choose);
}

void ColorButton::SetColor(uint32_t color) {
    color_ = color & 0xFFFFFF;
    update();
}

void ColorButton::Choose() {
    uint32_t color = color_;
    if (!ChooseColor(this, color)) return;
    SetColor(color);
    emit colorChosen(color_);
}

bool ColorButton::ChooseColor(QWidget* parent, uint32_t& color) {
    CustomColors::Table& table = CustomColors::Shared();
    for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, ToQColor(table[i]));
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent, QString());
    for (int i = 0; i < 16; ++i) table[i] = FromQColor(QColorDialog::customColor(i));
    if (!chosen.isValid()) return false;
    color = FromQColor(chosen);
    return true;
}

void ColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    const QRect face = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isEnabled()) {
        painter.fillRect(face, ToQColor(color_));
        painter.setPen(BlackTextOn(color_) ? Qt::black : Qt::white);
    } else {
        painter.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
    }
    painter.drawText(face, Qt::AlignCenter, text());
}
