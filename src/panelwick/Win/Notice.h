#pragma once

#include <QEvent>

class QObject;

// Completion notices: a worker thread, a child control or the timeline posts one to a window
// to say that something ended or changed. A notice carries its message number and two values;
// receivers act only on the values 123 and 456 and ignore any other pair.
namespace Win {

inline constexpr int kAppMessage = 0x8000;

class NoticeEvent : public QEvent {
public:
    static QEvent::Type EventType();

    NoticeEvent(int message, int wParam, int lParam)
        : QEvent(EventType()), message_(message), wParam_(wParam), lParam_(lParam) {}

    int message() const { return message_; }
    int wParam() const { return wParam_; }
    int lParam() const { return lParam_; }
    // True for the notice `message` with the values 123 and 456.
    bool Is(int message) const { return message_ == message && wParam_ == 123 && lParam_ == 456; }

private:
    int message_, wParam_, lParam_;
};

// Queues a notice for the receiver's thread; safe to call from any thread.
void PostNotice(QObject* receiver, int message, int wParam = 123, int lParam = 456);
// The notice carried by an event, or null when the event is not a notice.
const NoticeEvent* AsNotice(const QEvent* event);

}  // namespace Win
