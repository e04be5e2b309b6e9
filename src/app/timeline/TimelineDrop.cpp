#include "app/timeline/TimelineDrop.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

#include "app/timeline/DocumentView.h"
#include "editing/TimelineDropRules.h"

namespace {

std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
    }
    return files;
}

}  // namespace

TimelineDrop::TimelineDrop(DocumentView* view)
    : QObject(view),
      view_(view),
      line_(new QWidget(view->viewport())),
      label_(new QLabel(view->viewport())) {
    line_->setObjectName(QStringLiteral("dropLine"));
    line_->setStyleSheet(QStringLiteral("background: #d02020;"));
    label_->setObjectName(QStringLiteral("dropLabel"));
    label_->setStyleSheet(
        QStringLiteral("background: #fff8d0; color: black; border: 1px solid #d02020;"));
    HideMarker();
    view->viewport()->setAcceptDrops(true);
    view->viewport()->installEventFilter(this);
}

void TimelineDrop::ShowMarker(int x) {
    line_->setGeometry(x, 0, 2, view_->viewport()->height());
    label_->setText(
        QString::fromStdString(TimelineDropRules::DropLabel(view_->geometry().TimeAtX(x))));
    label_->adjustSize();
    label_->move(x + 4, 2);
    line_->show();
    label_->show();
    line_->raise();
    label_->raise();
}

void TimelineDrop::HideMarker() {
    line_->hide();
    label_->hide();
}

bool TimelineDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            const std::vector<std::string> files = LocalFiles(drag->mimeData());
            if (files.empty() || TimelineDropRules::OpensProject(files)) {
                drag->ignore();
                HideMarker();
                return false;
            }
            drag->acceptProposedAction();
            ShowMarker(drag->position().toPoint().x());
            return true;
        }
        case QEvent::DragLeave:
            HideMarker();
            return false;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            HideMarker();
            const std::vector<std::string> files = LocalFiles(drop->mimeData());
            if (files.empty() || TimelineDropRules::OpensProject(files)) return false;
            drop->acceptProposedAction();
            emit mediaDropped(files,
                              view_->geometry().TimeAtX(drop->position().toPoint().x()));
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
    }
}
