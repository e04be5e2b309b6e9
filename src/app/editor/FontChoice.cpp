#include "app/editor/FontChoice.h"

#include <algorithm>

#include <QFontDialog>

#include "project/MovieObject.h"

bool FontChoice::Choose(QWidget* parent, FontChoice& choice) {
    QFont start(QString::fromStdString(choice.face));
    start.setPointSize(std::max(1, choice.size));
    start.setWeight(choice.style & MovieObject::kBold ? QFont::Bold : QFont::Normal);
    start.setItalic(choice.style & MovieObject::kItalic);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, start, parent);
    if (!ok) return false;
    choice.face = font.family().toStdString();
    choice.size = std::clamp(font.pointSize(), 0, 255);
    choice.style = (font.weight() == QFont::Bold ? MovieObject::kBold : 0) |
                   (font.italic() ? MovieObject::kItalic : 0);
    return true;
}
