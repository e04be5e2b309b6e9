#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QPointF>
#include <QRectF>

namespace Win {

// Draws the program's own icons: a transparent square pixmap of any size on which shapes
// are placed on a 16 x 16 grid, so one drawing serves every icon size.
class IconPainter {
public:
    explicit IconPainter(int size);
    IconPainter(const IconPainter&) = delete;
    IconPainter& operator=(const IconPainter&) = delete;

    QPainter& painter() { return painter_; }
    // Ends the drawing and gives the picture.
    QPixmap Take();

    // Pen of the given grid width, or none for width 0.
    void Pen(const QColor& color, double width = 1);
    void Brush(const QColor& color);
    void NoBrush();

    // Shapes; the colour arguments fill, the outline is the current pen.
    void Page(const QRectF& r, const QColor& fill);  // sheet, folded corner
    void Folder(const QRectF& r, const QColor& fill, bool open);
    void Picture(const QRectF& r);                                       // sky, sun, mountain
    void Note(const QPointF& head, double height, const QColor& color);  // eighth note
    void Wave(const QRectF& r, const QColor& color, double fadeIn = 0, double fadeOut = 0);
    void Film(const QRectF& r, const QColor& frame);  // strip with holes
    void Arrow(const QPointF& from, const QPointF& to, const QColor& color, double width = 1.5);
    void CurvedArrow(bool toLeft, const QColor& color);  // undo / redo
    void PlayTriangle(const QRectF& r, const QColor& color);
    void Cross(const QRectF& r, const QColor& color, double width = 2.5);
    void Letter(const QRectF& r, const QString& text, const QColor& color, bool bold = true);
    void Bar(const QRectF& r, const QColor& color);  // timeline bar
    void Badge(bool plus, const QColor& color);      // round sign, lower right
    void Monitor(const QRectF& r);
    void Microphone(const QRectF& r);
    void Scissors(const QRectF& r, const QColor& color);

    // The greyed, lighter picture of a disabled button.
    static QPixmap Disabled(const QPixmap& normal);
    // The picture blended towards a light grey, for quieter use beside the full colours.
    static QPixmap Softened(const QPixmap& normal, double amount);

private:
    QPixmap pixmap_;
    QPainter painter_;
};

}  // namespace Win
