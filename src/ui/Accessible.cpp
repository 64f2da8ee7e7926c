#include "ui/Accessible.h"

#include "ui/RecentContactsAccessible.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleWidget>

namespace qv {
namespace {

// A notice: a notification named by its message.
class NoticeInterface : public QAccessibleWidget {
public:
    explicit NoticeInterface(Notice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<const Notice*>(widget())->message();
        }
        return QAccessibleWidget::text(t);
    }
};

// A clock: a label whose text is offered through the text interface, which a
// screen reader reads live, while its name stays the caption.
class ClockInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ClockInterface(ClockLabel* clock)
        : QAccessibleWidget(clock, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return shown();
        }
        return QAccessibleWidget::text(t);
    }

    QString text(int startOffset, int endOffset) const override {
        const QString all = shown();
        const int start = std::clamp(startOffset, 0, static_cast<int>(all.size()));
        const int end = endOffset < 0 ? static_cast<int>(all.size())
                                      : std::clamp(endOffset, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = offset;
        *endOffset = offset;
        return {};
    }

private:
    QString shown() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (className == QLatin1String("qv::Notice")) {
        return new NoticeInterface(static_cast<Notice*>(object));
    }
    if (className == QLatin1String("qv::ClockLabel")) {
        return new ClockInterface(static_cast<ClockLabel*>(object));
    }
    return recentContactsInterface(className, object);
}

void sendEvent(QObject* source, QAccessible::Event type) {
    QAccessibleEvent event(source, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void registerAccessibleInterfaces() {
    QAccessible::removeFactory(interfaceFor);
    QAccessible::installFactory(interfaceFor);
}

Notice::Notice(QWidget* parent, const QString& message) : QWidget(parent), message_(message) {
    setObjectName(QStringLiteral("notice"));
    hide();
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    registerAccessibleInterfaces();
    setObjectName(QStringLiteral("announcer"));
    hide();
}

void Announcer::announce(QWidget* statusLine, const QString& message) {
    if (!QAccessible::isActive()) {
        return; // no assistive technology listens
    }
    if (statusLine) {
        sendEvent(statusLine, QAccessible::Alert);
    }
    auto* notice = new Notice(this, message);
    notices_.push_back(notice);
    sendEvent(notice, QAccessible::ObjectShow);
    if (notices_.size() > kKeptNotices) {
        delete notices_.front();
        notices_.pop_front();
    }
}

ClockLabel::ClockLabel(const QString& caption, QWidget* parent) : QLabel(parent) {
    registerAccessibleInterfaces();
    setAccessibleName(caption);
}

} // namespace qv
