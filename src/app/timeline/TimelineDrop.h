#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QObject>

class DocumentView;
class QLabel;
class QWidget;

// Files dragged from a file manager onto the timeline: while dragging, a line and a label show
// the time under the mouse; the drop hands the files and that time on. A drag whose first file
// is a project file is left to the window, which opens it.
class TimelineDrop : public QObject {
    Q_OBJECT

public:
    explicit TimelineDrop(DocumentView* view);

signals:
    void mediaDropped(const std::vector<std::string>& files, uint32_t at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowMarker(int x);
    void HideMarker();

    DocumentView* view_;
    QWidget* line_;
    QLabel* label_;
};
