#pragma once

// Hears what the windows tell assistive technology, through Qt's own hook for
// accessibility events, as a screen reader would over the platform's bridge.

#include <private/qguiapplication_p.h>
#include <vector>

#include <QAccessible>
#include <QString>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace qv::test {

struct HeardEvent {
    QAccessible::Event type;
    QString object; // the object name of the widget that raised it
    QString name;   // the accessible name of what it is about
    QAccessible::Role role;
    int row = -1; // for a table cell, its row
};

class AccessibilityListener {
public:
    AccessibilityListener() {
        sink() = &heard;
        previous_ = QAccessible::installUpdateHandler(&AccessibilityListener::record);
        platform()->setActive(true); // as when a screen reader is running
    }
    ~AccessibilityListener() {
        platform()->setActive(false);
        QAccessible::installUpdateHandler(previous_);
        sink() = nullptr;
    }
    AccessibilityListener(const AccessibilityListener&) = delete;
    AccessibilityListener& operator=(const AccessibilityListener&) = delete;

    // The messages spoken as notifications, in order.
    std::vector<QString> spoken() const {
        std::vector<QString> out;
        for (const HeardEvent& e : heard) {
            if (e.type == QAccessible::ObjectShow && e.role == QAccessible::Notification) {
                out.push_back(e.name);
            }
        }
        return out;
    }
    // The names carried by the alerts of the widget `object`.
    std::vector<QString> alertsOf(const QString& object) const {
        std::vector<QString> out;
        for (const HeardEvent& e : heard) {
            if (e.type == QAccessible::Alert && e.object == object) {
                out.push_back(e.name);
            }
        }
        return out;
    }
    int count(QAccessible::Event type, const QString& object) const {
        int n = 0;
        for (const HeardEvent& e : heard) {
            n += e.type == type && e.object == object ? 1 : 0;
        }
        return n;
    }

    std::vector<HeardEvent> heard;

private:
    static QPlatformAccessibility* platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    // Qt's hook is a plain function, so the listener in force is kept here.
    static std::vector<HeardEvent>*& sink() {
        static std::vector<HeardEvent>* current = nullptr;
        return current;
    }
    static void record(QAccessibleEvent* event) {
        if (!sink()) {
            return;
        }
        QAccessibleInterface* iface = event->accessibleInterface();
        QAccessibleTableCellInterface* cell = iface ? iface->tableCellInterface() : nullptr;
        sink()->push_back(
            {event->type(), event->object() ? event->object()->objectName() : QString(),
             iface ? iface->text(QAccessible::Name) : QString(),
             iface ? iface->role() : QAccessible::NoRole, cell ? cell->rowIndex() : -1});
    }

    QAccessible::UpdateHandler previous_ = nullptr;
};

} // namespace qv::test
