#include "app/timeline/TypeIcons.h"

#include <QPainterPath>

#include "panelwick/Win/IconPainter.h"

void TypeIcons::Load(int size) {
    size_ = size;
    for (uint8_t t = 0; t < kMovieObjectTypeCount; ++t) {
        selected_[t] = Draw(static_cast<MovieObjectType>(t), size);
        normal_[t] = Win::IconPainter::Softened(selected_[t], 0.35);
    }
}

const QPixmap& TypeIcons::Get(MovieObjectType type, bool selected) const {
    const auto t = static_cast<uint8_t>(type) % kMovieObjectTypeCount;
    return selected ? selected_[t] : normal_[t];
}

QPixmap TypeIcons::Draw(MovieObjectType type, int size) {
    Win::IconPainter icon(size);
    switch (type) {
        case MovieObjectType::Image:
            icon.Picture(QRectF(1.5, 3.5, 13, 10));
            break;
        case MovieObjectType::Text:
            icon.Letter(QRectF(0, 0, 16, 16), QStringLiteral("T"), QColor(30, 60, 190));
            break;
        case MovieObjectType::Rectangle:
            icon.Brush(QColor(245, 140, 40));
            icon.painter().drawRect(QRectF(2.5, 4.5, 11, 8));
            break;
        case MovieObjectType::CorelDrawPage: {
            icon.Page(QRectF(2.5, 1.5, 11, 13), Qt::white);
            QPainterPath curve;
            curve.moveTo(4.5, 11.5);
            curve.cubicTo(QPointF(6, 3), QPointF(9, 14), QPointF(11.5, 6));
            icon.Pen(QColor(30, 150, 60), 1.4);
            icon.NoBrush();
            icon.painter().drawPath(curve);
            break;
        }
        case MovieObjectType::Audio:
            icon.Note(QPointF(5.5, 12.5), 10, QColor(200, 50, 120));
            break;
        case MovieObjectType::Video:
            icon.Film(QRectF(1, 3, 14, 10), QColor(150, 205, 255));
            break;
    }
    return icon.Take();
}
