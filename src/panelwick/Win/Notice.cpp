#include "panelwick/Win/Notice.h"

#include <QCoreApplication>

namespace Win {

QEvent::Type NoticeEvent::EventType() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostNotice(QObject* receiver, int message, int wParam, int lParam) {
    QCoreApplication::postEvent(receiver, new NoticeEvent(message, wParam, lParam));
}

const NoticeEvent* AsNotice(const QEvent* event) {
    return event->type() == NoticeEvent::EventType() ? static_cast<const NoticeEvent*>(event)
                                                     : nullptr;
}

}  // namespace Win
