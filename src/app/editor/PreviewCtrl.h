#pragma once

#include <QPoint>
#include <QWidget>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/ImageRGBA.h"
#include "project/MovieObject.h"

// The object editor's preview: one object drawn by the movie renderer as it looks at its
// begin or its end, on the movie's background colour, scaled from the 1600 x 900 reference
// frame to the control. The arrow keys and dragging move the shown state; after each move the
// control renders and posts its parent the notice kMovedNotice (123, 456).
class PreviewCtrl : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMovedNotice = 0x8002;

    explicit PreviewCtrl(QWidget* parent = nullptr);

    // The object to show and the picture prepared for it.
    void SetObject(const MovieObject& object, const CG::ImageRGBA& picture);
    // Only the object's fields; the picture stays.
    void SetFields(const MovieObject& object) { object_ = object; }
    void SetBackground(uint32_t color) { background_ = color; }
    void SetShowBegin(bool showBegin) { showBegin_ = showBegin; }
    // While set, "WORKING . . ." is shown instead of the frame.
    void SetWorking(bool working);

    const MovieObject& object() const { return object_; }
    bool working() const { return working_; }
    const CG::DIBitmap& frame() const { return frame_; }
    const ObjectState& shownState() const;

    // Redraws the frame from the object and repaints.
    void Render();

signals:
    // The mouse button went down in the control.
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ObjectState& ShownState();
    void Moved();

    CG::DIBitmap frame_;
    MovieObject object_;
    CG::ImageRGBA picture_;
    uint32_t background_ = 0xFFFFFF;
    bool working_ = false;
    bool showBegin_ = true;
    bool dragging_ = false;
    QPoint dragStart_;
};
