#pragma once

// What screen readers hear of the windows beyond Qt's own accessible widgets: the
// spoken messages of a status line, clocks that are read on demand instead of
// every second, and (registered here) the recent-contacts list as a table.

#include <deque>

#include <QLabel>
#include <QString>
#include <QWidget>

namespace qv {

// Registers the accessible interfaces of this program's own widgets with Qt;
// every widget that has one calls it, and calling it again changes nothing.
void registerAccessibleInterfaces();

// One spoken message: an invisible notification object named by the message.
class Notice : public QWidget {
    Q_OBJECT
public:
    Notice(QWidget* parent, const QString& message);
    const QString& message() const { return message_; }

private:
    QString message_;
};

// Speaks the messages of a status line. Qt raises no event on Linux that a screen
// reader announces by itself, so each message becomes a new notification object
// that shows, which Orca speaks as a notification. A new object each time: a
// reader that keeps names in a cache cannot speak an old message instead. The
// status line also raises Qt's alert event, which the accessibility bridges of
// other platforms announce.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Announces `message`, which `statusLine` shows (it may be null).
    void announce(QWidget* statusLine, const QString& message);

private:
    // The last few stay, so that a reader still busy with one can ask about it.
    static constexpr std::size_t kKeptNotices = 4;
    std::deque<Notice*> notices_;
};

// A clock that changes every second. Its accessible name is its caption and
// stays put, so that no change of name is announced each second; the time itself
// is its text, read whenever a screen reader asks for it.
class ClockLabel : public QLabel {
    Q_OBJECT
public:
    ClockLabel(const QString& caption, QWidget* parent);
};

} // namespace qv
