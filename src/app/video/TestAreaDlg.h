#pragma once

#include <QDialog>
#include <QImage>

namespace CG {
class DIBitmap;
}

// "Recording Area": one grabbed picture, stretched over the whole dialog, so the user can see
// what a recording with these settings would hold.
class TestAreaDlg : public QDialog {
    Q_OBJECT

public:
    explicit TestAreaDlg(const CG::DIBitmap& picture, QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
