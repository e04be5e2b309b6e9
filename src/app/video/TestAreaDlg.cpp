#include "app/video/TestAreaDlg.h"

#include <QPainter>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/Win/CmLayout.h"

TestAreaDlg::TestAreaDlg(const CG::DIBitmap& picture, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TestAreaDlg"));
    setWindowTitle(QStringLiteral("Recording Area"));
    Win::SizeCm(this, 17.77777, 10);
    if (picture.empty()) return;
    picture_ = QImage(picture.width(), picture.height(), QImage::Format_RGB888);
    std::vector<uint8_t> rgb(size_t(picture.width()) * picture.height() * 3);
    if (!picture.ExportRGB(rgb.data())) return;
    const size_t row = size_t(picture.width()) * 3;
    for (int y = 0; y < picture.height(); ++y) {
        std::copy_n(rgb.data() + row * y, row, picture_.scanLine(y));
    }
}

void TestAreaDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
    } else {
        painter.drawImage(rect(), picture_);
    }
}
