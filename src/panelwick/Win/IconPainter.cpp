#include "panelwick/Win/IconPainter.h"

#include <cmath>
#include <numbers>

#include <QImage>
#include <QPainterPath>

namespace Win {

namespace {

const QColor kOutline(60, 60, 70);

QPixmap MapPixels(const QPixmap& source, auto&& map) {
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) line[x] = map(line[x]);
    }
    return QPixmap::fromImage(image);
}

}  // namespace

IconPainter::IconPainter(int size) : pixmap_(size, size) {
    pixmap_.fill(Qt::transparent);
    painter_.begin(&pixmap_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.scale(size / 16.0, size / 16.0);
    Pen(kOutline);
}

QPixmap IconPainter::Take() {
    painter_.end();
    return pixmap_;
}

void IconPainter::Pen(const QColor& color, double width) {
    if (width <= 0) {
        painter_.setPen(Qt::NoPen);
    } else {
        painter_.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
}

void IconPainter::Brush(const QColor& color) {
    painter_.setBrush(color);
}

void IconPainter::NoBrush() {
    painter_.setBrush(Qt::NoBrush);
}

void IconPainter::Page(const QRectF& r, const QColor& fill) {
    const double fold = r.width() * 0.35;
    QPainterPath sheet;
    sheet.moveTo(r.left(), r.top());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.right(), r.bottom());
    sheet.lineTo(r.left(), r.bottom());
    sheet.closeSubpath();
    painter_.setBrush(fill);
    painter_.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(corner);
}

void IconPainter::Folder(const QRectF& r, const QColor& fill, bool open) {
    const QColor back = fill.darker(125);
    painter_.setBrush(back);
    QPainterPath tab;
    tab.moveTo(r.left(), r.bottom());
    tab.lineTo(r.left(), r.top());
    tab.lineTo(r.left() + r.width() * 0.4, r.top());
    tab.lineTo(r.left() + r.width() * 0.5, r.top() + r.height() * 0.18);
    tab.lineTo(r.right(), r.top() + r.height() * 0.18);
    tab.lineTo(r.right(), r.bottom());
    tab.closeSubpath();
    painter_.drawPath(tab);
    painter_.setBrush(fill);
    const double top = r.top() + r.height() * 0.38;
    if (open) {
        QPolygonF front({QPointF(r.left() + r.width() * 0.2, top), QPointF(r.right() + 1, top),
                         QPointF(r.right(), r.bottom()), QPointF(r.left(), r.bottom())});
        painter_.drawPolygon(front);
    } else {
        painter_.drawRect(QRectF(r.left(), top, r.width(), r.bottom() - top));
    }
}

void IconPainter::Picture(const QRectF& r) {
    painter_.setBrush(QColor(150, 205, 255));
    painter_.drawRect(r);
    const QPen pen = painter_.pen();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(255, 200, 40));
    const double sun = r.height() * 0.22;
    painter_.drawEllipse(QPointF(r.right() - r.width() * 0.28, r.top() + r.height() * 0.3), sun,
                         sun);
    painter_.setBrush(QColor(60, 160, 70));
    QPolygonF hills(
        {QPointF(r.left(), r.bottom()), QPointF(r.left(), r.bottom() - r.height() * 0.3),
         QPointF(r.left() + r.width() * 0.35, r.top() + r.height() * 0.35),
         QPointF(r.left() + r.width() * 0.6, r.bottom() - r.height() * 0.35),
         QPointF(r.left() + r.width() * 0.75, r.bottom() - r.height() * 0.5),
         QPointF(r.right(), r.bottom() - r.height() * 0.2), QPointF(r.right(), r.bottom())});
    painter_.drawPolygon(hills);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(r);
}

void IconPainter::Note(const QPointF& head, double height, const QColor& color) {
    const QPen pen = painter_.pen();
    painter_.setPen(QPen(color, height * 0.13, Qt::SolidLine, Qt::FlatCap));
    const double stemX = head.x() + height * 0.2;
    painter_.drawLine(QPointF(stemX, head.y()), QPointF(stemX, head.y() - height));
    QPainterPath flag;
    flag.moveTo(stemX, head.y() - height);
    flag.cubicTo(QPointF(stemX + height * 0.1, head.y() - height * 0.6),
                 QPointF(stemX + height * 0.5, head.y() - height * 0.7),
                 QPointF(stemX + height * 0.4, head.y() - height * 0.35));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(flag);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(color);
    painter_.save();
    painter_.translate(head);
    painter_.rotate(-25);
    painter_.drawEllipse(QPointF(0, 0), height * 0.26, height * 0.18);
    painter_.restore();
    painter_.setPen(pen);
}

void IconPainter::Wave(const QRectF& r, const QColor& color, double fadeIn, double fadeOut) {
    const QPen pen = painter_.pen();
    painter_.setPen(QPen(color, 1.0, Qt::SolidLine, Qt::RoundCap));
    const int bars = std::max(3, static_cast<int>(r.width() / 1.6));
    for (int i = 0; i < bars; ++i) {
        const double t = bars == 1 ? 0 : double(i) / (bars - 1);
        double amplitude = 0.35 + 0.65 * std::fabs(std::sin(t * 2.6 * std::numbers::pi + 0.6));
        if (fadeIn > 0 && t < fadeIn) amplitude *= t / fadeIn;
        if (fadeOut > 0 && t > 1 - fadeOut) amplitude *= (1 - t) / fadeOut;
        const double x = r.left() + t * r.width();
        const double h = std::max(0.3, amplitude * r.height() / 2);
        painter_.drawLine(QPointF(x, r.center().y() - h), QPointF(x, r.center().y() + h));
    }
    painter_.setPen(pen);
}

void IconPainter::Film(const QRectF& r, const QColor& frame) {
    painter_.setBrush(QColor(50, 50, 60));
    painter_.drawRect(r);
    const QPen pen = painter_.pen();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(245, 245, 245));
    const double hole = r.height() * 0.14;
    for (double x = r.left() + hole * 0.8; x + hole < r.right(); x += hole * 2) {
        painter_.drawRect(QRectF(x, r.top() + hole * 0.5, hole, hole));
        painter_.drawRect(QRectF(x, r.bottom() - hole * 1.5, hole, hole));
    }
    painter_.setBrush(frame);
    painter_.drawRect(QRectF(r.left() + r.width() * 0.12, r.top() + hole * 2.3, r.width() * 0.76,
                             r.height() - hole * 4.6));
    painter_.setPen(pen);
}

void IconPainter::Arrow(const QPointF& from, const QPointF& to, const QColor& color, double width) {
    const QPen pen = painter_.pen();
    painter_.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF unit = d / length;
    const QPointF normal(-unit.y(), unit.x());
    const double head = std::min(3.5, length * 0.6);
    painter_.drawLine(from, to - unit * (head * 0.5));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(color);
    painter_.drawPolygon(QPolygonF(
        {to, to - unit * head + normal * head * 0.65, to - unit * head - normal * head * 0.65}));
    painter_.setPen(pen);
}

void IconPainter::CurvedArrow(bool toLeft, const QColor& color) {
    painter_.save();
    if (!toLeft) {
        painter_.translate(16, 0);
        painter_.scale(-1, 1);
    }
    QPainterPath path;
    path.moveTo(13.5, 13);
    path.cubicTo(QPointF(14.5, 6), QPointF(9, 4.5), QPointF(5, 6.5));
    painter_.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(color);
    painter_.drawPolygon(QPolygonF({QPointF(1.5, 8), QPointF(6.5, 2.5), QPointF(7.5, 10)}));
    painter_.restore();
}

void IconPainter::PlayTriangle(const QRectF& r, const QColor& color) {
    painter_.setBrush(color);
    painter_.drawPolygon(
        QPolygonF({r.topLeft(), QPointF(r.right(), r.center().y()), r.bottomLeft()}));
}

void IconPainter::Cross(const QRectF& r, const QColor& color, double width) {
    const QPen pen = painter_.pen();
    painter_.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    painter_.drawLine(r.topLeft(), r.bottomRight());
    painter_.drawLine(r.topRight(), r.bottomLeft());
    painter_.setPen(pen);
}

void IconPainter::Letter(const QRectF& r, const QString& text, const QColor& color, bool bold) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(std::max(1, static_cast<int>(r.height() * 10)));
    font.setBold(bold);
    painter_.save();
    // Text is laid out ten times larger and scaled down, so small grid sizes keep their shape.
    painter_.translate(r.topLeft());
    painter_.scale(0.1, 0.1);
    painter_.setFont(font);
    painter_.setPen(color);
    painter_.drawText(QRectF(0, 0, r.width() * 10, r.height() * 10), Qt::AlignCenter, text);
    painter_.restore();
}

void IconPainter::Bar(const QRectF& r, const QColor& color) {
    const QPen pen = painter_.pen();
    painter_.setPen(QPen(color.darker(150), 0.8));
    painter_.setBrush(color);
    painter_.drawRect(r);
    painter_.setPen(pen);
}

void IconPainter::Badge(bool plus, const QColor& color) {
    const QPen pen = painter_.pen();
    painter_.setPen(QPen(Qt::white, 0.8));
    painter_.setBrush(color);
    painter_.drawEllipse(QPointF(12, 12), 3.9, 3.9);
    painter_.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(QPointF(9.8, 12), QPointF(14.2, 12));
    if (plus) painter_.drawLine(QPointF(12, 9.8), QPointF(12, 14.2));
    painter_.setPen(pen);
}

void IconPainter::Monitor(const QRectF& r) {
    painter_.setBrush(QColor(70, 80, 100));
    painter_.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.75), 1, 1);
    painter_.setBrush(QColor(170, 215, 255));
    painter_.drawRect(
        QRectF(r.left() + 1.2, r.top() + 1.2, r.width() - 2.4, r.height() * 0.75 - 2.4));
    painter_.setBrush(QColor(70, 80, 100));
    painter_.drawRect(
        QRectF(r.center().x() - r.width() * 0.2, r.bottom() - 1.2, r.width() * 0.4, 1.2));
}

void IconPainter::Microphone(const QRectF& r) {
    const double w = r.width();
    painter_.setBrush(QColor(90, 90, 100));
    painter_.drawRoundedRect(QRectF(r.left() + w * 0.3, r.top(), w * 0.4, r.height() * 0.6),
                             w * 0.2, w * 0.2);
    painter_.setBrush(Qt::NoBrush);
    QPainterPath cup;
    cup.moveTo(r.left() + w * 0.12, r.top() + r.height() * 0.38);
    cup.cubicTo(QPointF(r.left() + w * 0.12, r.top() + r.height() * 0.85),
                QPointF(r.right() - w * 0.12, r.top() + r.height() * 0.85),
                QPointF(r.right() - w * 0.12, r.top() + r.height() * 0.38));
    painter_.drawPath(cup);
    painter_.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.75),
                      QPointF(r.center().x(), r.bottom()));
    painter_.drawLine(QPointF(r.left() + w * 0.3, r.bottom()),
                      QPointF(r.right() - w * 0.3, r.bottom()));
}

void IconPainter::Scissors(const QRectF& r, const QColor& color) {
    const QPen pen = painter_.pen();
    painter_.setPen(QPen(QColor(90, 90, 100), 1.3, Qt::SolidLine, Qt::RoundCap));
    const QPointF pivot(r.center().x(), r.top() + r.height() * 0.55);
    painter_.drawLine(QPointF(r.left() + r.width() * 0.2, r.top()), pivot + QPointF(1.5, 2));
    painter_.drawLine(QPointF(r.right() - r.width() * 0.2, r.top()), pivot + QPointF(-1.5, 2));
    painter_.setPen(QPen(color, 1.3));
    painter_.setBrush(Qt::NoBrush);
    const double ring = r.width() * 0.17;
    painter_.drawEllipse(QPointF(r.left() + ring * 1.2, r.bottom() - ring), ring, ring);
    painter_.drawEllipse(QPointF(r.right() - ring * 1.2, r.bottom() - ring), ring, ring);
    painter_.setPen(pen);
}

QPixmap IconPainter::Disabled(const QPixmap& normal) {
    return MapPixels(normal, [](QRgb c) {
        const int grey = (qRed(c) * 11 + qGreen(c) * 16 + qBlue(c) * 5) / 32;
        const int light = 110 + grey * 100 / 255;
        return qRgba(light, light, light, qAlpha(c) * 2 / 3);
    });
}

QPixmap IconPainter::Softened(const QPixmap& normal, double amount) {
    return MapPixels(normal, [amount](QRgb c) {
        auto mix = [amount](int v) { return static_cast<int>(v + (225 - v) * amount); };
        return qRgba(mix(qRed(c)), mix(qGreen(c)), mix(qBlue(c)), qAlpha(c));
    });
}

}  // namespace Win
