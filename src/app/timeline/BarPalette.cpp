#include "app/timeline/BarPalette.h"

#include <array>

namespace BarPalette {

QColor Fill(MovieObjectType type, bool selected) {
    static const std::array<QColor, kMovieObjectTypeCount> fills = {
        QColor(66, 133, 200),   // picture: blue
        QColor(214, 140, 40),   // text: amber
        QColor(150, 100, 200),  // rectangle: violet
        QColor(40, 160, 150),   // page: teal
        QColor(70, 160, 80),    // audio: green
        QColor(205, 80, 80),    // video: red
    };
    const QColor fill = fills[static_cast<size_t>(type) % fills.size()];
    return selected ? fill.lighter(125) : fill;
}

QColor TextOn(const QColor& fill) {
    const int luma = (fill.red() * 299 + fill.green() * 587 + fill.blue() * 114) / 1000;
    return luma > 150 ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

}  // namespace BarPalette
