#include "platform/qt/QtTerminationWatch.h"

#include <QSocketNotifier>

namespace qv {

QtTerminationWatch::QtTerminationWatch(std::function<void()> onTerminate, QObject* parent)
    : QObject(parent), onTerminate_(std::move(onTerminate)) {
    if (signals_.descriptor() < 0) {
        return;
    }
    notifier_ = new QSocketNotifier(signals_.descriptor(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        if (signals_.take() != 0 && onTerminate_) {
            onTerminate_();
        }
    });
}

} // namespace qv
