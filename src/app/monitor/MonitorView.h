#pragma once

#include <memory>

#include <QColor>
#include <QImage>
#include <QWidget>

#include "panelwick/CG/DIBitmap.h"

// The monitor's picture: the frame it is handed, centred on the movie's background colour
// (letterboxed), never scaled: frames are composed at PictureSize().
class MonitorView : public QWidget {
    Q_OBJECT

public:
    explicit MonitorView(QWidget* parent = nullptr);

    // The largest size of the movie's aspect that fits the widget.
    QSize PictureSize(int movieWidth, int movieHeight) const;
    void SetBackground(const QColor& colour);
    // Shows a composed frame (24-bit top-down).
    void ShowFrame(const std::shared_ptr<CG::DIBitmap>& frame);
    // The frame shown, as its pixels.
    const QImage& image() const { return image_; }

signals:
    void resized();
    // A key the monitor handles (Space, Left, Right, Home, End, with their modifiers).
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
    QColor background_ = Qt::white;
};
