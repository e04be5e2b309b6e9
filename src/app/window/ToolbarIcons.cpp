#include "app/window/ToolbarIcons.h"

#include <cmath>

#include <QPainterPath>

#include "panelwick/Win/IconPainter.h"

namespace {

using Win::IconPainter;

const QColor kGreen(40, 160, 60), kRed(210, 40, 40), kBlue(40, 110, 200);
const QColor kMagenta(200, 50, 120), kOrange(245, 140, 40), kYellow(250, 200, 70);
const QColor kSky(150, 205, 255), kDark(60, 60, 70);

void Star(IconPainter& icon, QPointF c, double r) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = i * 3.14159265358979 / 5 - 3.14159265358979 / 2;
        const double d = i % 2 ? r * 0.45 : r;
        star << c + QPointF(std::cos(a) * d, std::sin(a) * d);
    }
    icon.Pen(QColor(200, 140, 0), 0.6);
    icon.Brush(kYellow);
    icon.painter().drawPolygon(star);
}

void CorelCurve(IconPainter& icon, const QRectF& r) {
    QPainterPath curve;
    curve.moveTo(r.left(), r.bottom());
    curve.cubicTo(QPointF(r.left() + r.width() * 0.3, r.top() - r.height() * 0.3),
                  QPointF(r.left() + r.width() * 0.6, r.bottom() + r.height() * 0.4), r.topRight());
    icon.Pen(kGreen, 1.3);
    icon.NoBrush();
    icon.painter().drawPath(curve);
    icon.Pen(kDark);
}

void Floppy(IconPainter& icon) {
    icon.Brush(QColor(50, 90, 170));
    icon.painter().drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    icon.Pen(kDark, 0);
    icon.Brush(Qt::white);
    icon.painter().drawRect(QRectF(4, 2, 8, 5.5));
    icon.Brush(QColor(200, 200, 210));
    icon.painter().drawRect(QRectF(4.5, 10, 7, 4.5));
    icon.Brush(QColor(50, 90, 170));
    icon.painter().drawRect(QRectF(9, 11, 1.5, 2.5));
}

void Clipboard(IconPainter& icon) {
    icon.Brush(QColor(180, 130, 70));
    icon.painter().drawRoundedRect(QRectF(1.5, 2.5, 10.5, 12.5), 1, 1);
    icon.Brush(QColor(190, 190, 200));
    icon.painter().drawRoundedRect(QRectF(4, 1, 5.5, 3), 1, 1);
    icon.Page(QRectF(6.5, 6, 8, 9), Qt::white);
}

void Clapperboard(IconPainter& icon) {
    icon.Brush(kDark);
    icon.painter().drawRect(QRectF(1.5, 6.5, 13, 8));
    QPainter& p = icon.painter();
    p.save();
    p.translate(1.5, 6);
    p.rotate(-18);
    p.drawRect(QRectF(0, -3, 13, 3));
    icon.Pen(kDark, 0);
    icon.Brush(Qt::white);
    for (double x = 1; x < 12; x += 4) {
        p.drawPolygon(QPolygonF(
            {QPointF(x, -2.6), QPointF(x + 2, -2.6), QPointF(x + 1, -0.4), QPointF(x - 1, -0.4)}));
    }
    p.restore();
    icon.Pen(kDark, 0);
    icon.Brush(Qt::white);
    p.drawRect(QRectF(3.5, 9, 9, 1));
    p.drawRect(QRectF(3.5, 11.5, 6, 1));
}

void Sliders(IconPainter& icon) {
    const double knobs[3] = {10.5, 5, 8};
    for (int i = 0; i < 3; ++i) {
        const double y = 3.5 + i * 4.5;
        icon.Pen(kDark, 1.2);
        icon.painter().drawLine(QPointF(1.5, y), QPointF(14.5, y));
        icon.Pen(kDark, 0.8);
        icon.Brush(kBlue);
        icon.painter().drawEllipse(QPointF(knobs[i], y), 1.9, 1.9);
    }
}

void RedDot(IconPainter& icon, QPointF c, double r) {
    icon.Pen(Qt::white, 0.7);
    icon.Brush(kRed);
    icon.painter().drawEllipse(c, r, r);
    icon.Pen(kDark);
}

// A source picture, an arrow and a target picture, as the conversions show them.
void ConversionArrow(IconPainter& icon) {
    icon.Arrow(QPointF(3.5, 9), QPointF(8, 13), kDark, 1.3);
}

void DrawCommand(IconPainter& icon, CommandId id) {
    QPainter& p = icon.painter();
    switch (id) {
        case CommandId::Save:
            Floppy(icon);
            break;
        case CommandId::New:
            icon.Page(QRectF(3.5, 1.5, 10, 13), Qt::white);
            Star(icon, QPointF(4.5, 4.5), 3.8);
            break;
        case CommandId::Open:
            icon.Folder(QRectF(1, 2.5, 13.5, 11), kYellow, true);
            break;
        case CommandId::AddImage:
            icon.Picture(QRectF(1, 1.5, 12, 9));
            icon.Badge(true, kGreen);
            break;
        case CommandId::AddAudio:
            icon.Note(QPointF(4, 11), 9.5, kMagenta);
            icon.Badge(true, kGreen);
            break;
        case CommandId::AddText:
            icon.Letter(QRectF(0, -0.5, 12, 13), QStringLiteral("T"), QColor(30, 60, 190));
            icon.Badge(true, kGreen);
            break;
        case CommandId::AddRectangle:
            icon.Brush(kOrange);
            p.drawRect(QRectF(1.5, 2.5, 11, 8));
            icon.Badge(true, kGreen);
            break;
        case CommandId::AddCorelDrawPage:
            icon.Page(QRectF(1.5, 1, 9.5, 12), Qt::white);
            CorelCurve(icon, QRectF(3, 4, 5.5, 6.5));
            icon.Badge(true, kGreen);
            break;
        case CommandId::AddVideo:
            icon.Film(QRectF(0.5, 1.5, 12, 9), kSky);
            icon.Badge(true, kGreen);
            break;
        case CommandId::AddMedia:
            icon.Folder(QRectF(0.5, 3, 12, 9.5), kYellow, true);
            icon.Picture(QRectF(4, 1, 8, 6));
            icon.Badge(true, kGreen);
            break;
        case CommandId::Delete:
            icon.Cross(QRectF(3.5, 3.5, 9, 9), kRed);
            break;
        case CommandId::Copy:
            icon.Page(QRectF(1.5, 1.5, 8, 10), Qt::white);
            icon.Page(QRectF(6.5, 4.5, 8, 10), Qt::white);
            break;
        case CommandId::Paste:
            Clipboard(icon);
            break;
        case CommandId::Cut:
            icon.Scissors(QRectF(2, 1.5, 12, 13), kRed);
            break;
        case CommandId::Undo:
            icon.CurvedArrow(true, kBlue);
            break;
        case CommandId::Redo:
            icon.CurvedArrow(false, kBlue);
            break;
        case CommandId::AlignTime:
            icon.Bar(QRectF(3, 2, 9, 3), kSky);
            icon.Bar(QRectF(3, 6.5, 5.5, 3), kSky);
            icon.Bar(QRectF(3, 11, 11, 3), kSky);
            icon.Pen(kRed, 1.3);
            p.drawLine(QPointF(2, 1), QPointF(2, 15));
            break;
        case CommandId::MakeSameDuration:
            icon.Bar(QRectF(1, 2.5, 9, 3.5), kSky);
            icon.Bar(QRectF(5.5, 10, 9, 3.5), kSky);
            icon.Pen(kRed, 1);
            p.drawLine(QPointF(1, 8), QPointF(10, 8));
            p.drawLine(QPointF(5.5, 8.5), QPointF(14.5, 8.5));
            break;
        case CommandId::MoveAfter:
            icon.Bar(QRectF(1, 2, 7, 3.5), kSky);
            icon.Bar(QRectF(9, 10.5, 6, 3.5), kSky);
            icon.Arrow(QPointF(3, 8.5), QPointF(8.5, 12.2), kRed, 1.3);
            break;
        case CommandId::CreateMovie:
            Clapperboard(icon);
            break;
        case CommandId::Stop:
            icon.Pen(QColor(150, 20, 20), 0.8);
            icon.Brush(kRed);
            p.drawRoundedRect(QRectF(3, 3, 10, 10), 1.5, 1.5);
            break;
        case CommandId::PlayMovie:
            icon.Pen(QColor(20, 110, 40), 0.8);
            icon.PlayTriangle(QRectF(4, 2.5, 9.5, 11), kGreen);
            break;
        case CommandId::PlayMovieExternal:
            icon.Brush(Qt::white);
            p.drawRect(QRectF(1.5, 4.5, 10, 10));
            icon.Pen(QColor(20, 110, 40), 0.6);
            icon.PlayTriangle(QRectF(4.5, 7, 4.5, 5), kGreen);
            icon.Arrow(QPointF(9.5, 6.5), QPointF(15, 1), kBlue, 1.4);
            break;
        case CommandId::PlayMovieInPosition:
            icon.Pen(QColor(20, 110, 40), 0.8);
            icon.PlayTriangle(QRectF(6.5, 3, 8, 10), kGreen);
            icon.Pen(kRed, 1.3);
            p.drawLine(QPointF(3, 3), QPointF(3, 15));
            icon.Pen(kRed, 0);
            icon.Brush(kRed);
            p.drawPolygon(QPolygonF({QPointF(0.5, 1), QPointF(5.5, 1), QPointF(3, 4)}));
            break;
        case CommandId::MovieProperties:
            Sliders(icon);
            break;
        case CommandId::OpenFolder:
            icon.Folder(QRectF(1, 3.5, 12, 10.5), kYellow, false);
            icon.Arrow(QPointF(7, 10), QPointF(14.5, 2.5), kBlue, 1.5);
            break;
        case CommandId::RecordAudio:
            icon.Microphone(QRectF(2.5, 1, 9, 14));
            RedDot(icon, QPointF(12.5, 3.5), 2.6);
            break;
        case CommandId::RecordFromScreen:
            icon.Monitor(QRectF(1, 2, 14, 13));
            RedDot(icon, QPointF(8, 7), 2.8);
            break;
        case CommandId::ImportVideo:
            icon.Film(QRectF(4.5, 1.5, 11, 9), kSky);
            icon.Arrow(QPointF(0.8, 15), QPointF(6.5, 9.5), kBlue, 1.5);
            break;
        case CommandId::AppendAudio:
            icon.Wave(QRectF(1, 3, 6, 10), kBlue);
            icon.Wave(QRectF(9, 3, 6, 10), kMagenta);
            break;
        case CommandId::NormalizeAudio:
            icon.Pen(kRed, 0.8);
            p.drawLine(QPointF(0.5, 2), QPointF(15.5, 2));
            p.drawLine(QPointF(0.5, 14), QPointF(15.5, 14));
            icon.Wave(QRectF(1.5, 3, 13, 10), kBlue);
            break;
        case CommandId::BoostBass:
            icon.Wave(QRectF(1, 4, 8.5, 11), kBlue);
            icon.Arrow(QPointF(13, 14.5), QPointF(13, 1.5), kGreen, 2);
            break;
        case CommandId::CutAudio:
            icon.Wave(QRectF(1, 3, 14, 10), kBlue);
            icon.Pen(kRed, 1.3);
            p.drawLine(QPointF(5, 1), QPointF(5, 15));
            p.drawLine(QPointF(11, 1), QPointF(11, 15));
            break;
        case CommandId::SmoothAudioEnds:
            icon.Wave(QRectF(1, 3, 14, 10), kBlue, 0.4, 0.4);
            break;
        case CommandId::AddBackMusic:
            icon.Note(QPointF(3.5, 7.5), 6.5, kMagenta);
            icon.Note(QPointF(9.5, 6.5), 6, kMagenta);
            icon.Wave(QRectF(1, 10, 14, 5.5), kBlue);
            break;
        case CommandId::CombineAudioVideo:
            icon.Film(QRectF(0.5, 1, 10.5, 8), kSky);
            icon.Note(QPointF(10, 14), 7, kMagenta);
            break;
        case CommandId::Mp4ToWave:
            icon.Film(QRectF(0.5, 0.5, 8, 7), kSky);
            ConversionArrow(icon);
            icon.Wave(QRectF(9.5, 9, 6, 6.5), kBlue);
            break;
        case CommandId::Mp3ToWave:
            icon.Note(QPointF(2.5, 7), 6.5, kMagenta);
            ConversionArrow(icon);
            icon.Wave(QRectF(9.5, 9, 6, 6.5), kBlue);
            break;
        case CommandId::WaveToMp3:
            icon.Wave(QRectF(0.5, 1, 7, 6.5), kBlue);
            ConversionArrow(icon);
            icon.Note(QPointF(10.5, 15), 6.5, kMagenta);
            break;
        case CommandId::Help:
            icon.Pen(QColor(20, 70, 150), 0.8);
            icon.Brush(kBlue);
            p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
            icon.Letter(QRectF(2, 1.5, 12, 13), QStringLiteral("?"), Qt::white);
            break;
        case CommandId::None:
        // The commands of the menu bar only have no picture.
        case CommandId::SaveAs:
        case CommandId::Quit:
        case CommandId::SelectAll:
        case CommandId::EditObject:
        case CommandId::KeyboardShortcuts:
            break;
    }
}

}  // namespace

QPixmap ToolbarIcons::Draw(CommandId id, int size) {
    IconPainter icon(size);
    DrawCommand(icon, id);
    return icon.Take();
}

QIcon ToolbarIcons::Make(CommandId id, int size) {
    const QPixmap normal = Draw(id, size);
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    icon.addPixmap(IconPainter::Disabled(normal), QIcon::Disabled);
    return icon;
}

QIcon ToolbarIcons::ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 64}) {
        IconPainter painter(size);
        painter.Film(QRectF(0.5, 2, 15, 12), kSky);
        painter.Pen(QColor(20, 110, 40), 0.6);
        painter.PlayTriangle(QRectF(6, 5.5, 4.5, 5), kGreen);
        icon.addPixmap(painter.Take());
    }
    return icon;
}
