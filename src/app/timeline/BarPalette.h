#pragma once

#include <QColor>

#include "project/MovieObjectType.h"

// The colours of the timeline's bars: one mid-tone fill per object type, dark enough for white
// text and light enough to stand out on dark themes as on light ones.
namespace BarPalette {

QColor Fill(MovieObjectType type, bool selected);
// Black or white, whichever reads better on the fill.
QColor TextOn(const QColor& fill);

}  // namespace BarPalette
