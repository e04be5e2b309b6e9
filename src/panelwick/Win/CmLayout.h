#pragma once

#include <QFont>
#include <QRect>

class QWidget;

// Dialogs lay out their controls in centimetres; these turn such sizes into pixels at the
// screen's resolution (each value rounded on its own, as the controls are created).
namespace Win {

QRect CmRect(double left, double top, double width, double height);
// Places a child control at a rectangle given in centimetres.
void PlaceCm(QWidget* control, double left, double top, double width, double height);
// Gives a dialog a fixed client size given in centimetres.
void SizeCm(QWidget* dialog, double width, double height);
// "Arial" (a metric-compatible face where Arial itself is missing) of the given height.
QFont ArialFont(double heightCm);

}  // namespace Win
