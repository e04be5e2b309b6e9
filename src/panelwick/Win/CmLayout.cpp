#include "panelwick/Win/CmLayout.h"

#include <QWidget>

#include "panelwick/Win/Metrics.h"

namespace Win {

QRect CmRect(double left, double top, double width, double height) {
    return QRect(CmToPixels(left), CmToPixels(top), CmToPixels(width), CmToPixels(height));
}

void PlaceCm(QWidget* control, double left, double top, double width, double height) {
    control->setGeometry(CmRect(left, top, width, height));
}

void SizeCm(QWidget* dialog, double width, double height) {
    dialog->setFixedSize(CmToPixels(width), CmToPixels(height));
}

QFont ArialFont(double heightCm) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(CmToPixels(heightCm));
    return font;
}

}  // namespace Win
