#include "app/editor/EditorIcons.h"

#include "panelwick/Win/IconPainter.h"

namespace {

const QColor kFrame(70, 70, 80), kBlock(40, 110, 200), kGreen(40, 160, 60);

// The 16 x 16 grid: the movie frame from (1, 2) to (15, 14), a block placed inside it.
void Aligned(Win::IconPainter& icon, const QRectF& block) {
    icon.Pen(kFrame, 1);
    icon.Brush(Qt::white);
    icon.painter().drawRect(QRectF(1.5, 2.5, 13, 11));
    icon.Pen(kBlock, 0);
    icon.Brush(kBlock);
    icon.painter().drawRect(block);
}

QPixmap Draw(EditorCommand command, int size) {
    Win::IconPainter icon(size);
    switch (command) {
        case EditorCommand::AlignTop:
            Aligned(icon, QRectF(5, 3, 6, 4));
            break;
        case EditorCommand::CenterVertically:
            Aligned(icon, QRectF(5, 6, 6, 4));
            break;
        case EditorCommand::AlignBottom:
            Aligned(icon, QRectF(5, 9, 6, 4));
            break;
        case EditorCommand::AlignLeft:
            Aligned(icon, QRectF(2, 5, 5, 6));
            break;
        case EditorCommand::CenterHorizontally:
            Aligned(icon, QRectF(5.5, 5, 5, 6));
            break;
        case EditorCommand::AlignRight:
            Aligned(icon, QRectF(9, 5, 5, 6));
            break;
        case EditorCommand::Refresh:
            icon.CurvedArrow(false, kGreen);
            break;
        case EditorCommand::Reload:
            icon.Picture(QRectF(1.5, 3.5, 10, 9));
            icon.Arrow(QPointF(14, 14), QPointF(14, 6), kGreen);
            break;
    }
    return icon.Take();
}

}  // namespace

QIcon EditorIcons::Make(EditorCommand command, int size) {
    const QPixmap normal = Draw(command, size);
    QIcon result(normal);
    result.addPixmap(Win::IconPainter::Disabled(normal), QIcon::Disabled);
    return result;
}
