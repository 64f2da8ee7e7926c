#include "platform/qt/QtEventWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace qv {

void QtEventWait::processEvents() {
    QCoreApplication::processEvents();
}

void QtEventWait::sleep(std::uint32_t milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(milliseconds), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace qv
