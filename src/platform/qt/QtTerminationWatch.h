#pragma once

#include "platform/posix/TerminationSignals.h"

#include <functional>

#include <QObject>

class QSocketNotifier;

namespace qv {

// Hands SIGTERM, SIGINT and SIGHUP to the user-interface thread as an ordinary
// event: the handler runs between two events, never inside an operation.
class QtTerminationWatch : public QObject {
    Q_OBJECT
public:
    explicit QtTerminationWatch(std::function<void()> onTerminate, QObject* parent = nullptr);

private:
    TerminationSignals signals_;
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> onTerminate_;
};

} // namespace qv
